#include "toolkit/win32/win32_form.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>

#include "forms/pictures.h"
#include "toolkit/win32/classic_button.h"
#include "toolkit/win32/classic_colours.h"
#include "toolkit/win32/containers.h"
#include "toolkit/win32/control_classes.h"
#include "toolkit/win32/win32_fonts.h"
#include "toolkit/win32/win32_pictures.h"
#include "toolkit/win32/win32_toolkit.h"
#include "toolkit/win32/window_text.h"

namespace vantric {
namespace {

constexpr const char* kFormClass = "VantricForm";
// Control identifiers start above the dialog manager's own (IDOK, IDCANCEL...), so that
// Escape, which asks for IDCANCEL, finds no control.
constexpr int kFirstControlId = 100;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kPictureButton;
}

}  // namespace

struct Win32Form::Control {
  explicit Control(const ControlLayout& control_layout) : layout(control_layout) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlLayout& layout;
  int id = 0;
  HWND window = nullptr;
  std::function<void()> on_click;
  std::function<void()> on_toggle;
  HBITMAP picture = nullptr;
  HBITMAP greyed_picture = nullptr;

  ~Control() {
    if (picture != nullptr) DeleteObject(picture);
    if (greyed_picture != nullptr) DeleteObject(greyed_picture);
  }
};

void Win32Form::RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSA form{};
  form.lpfnWndProc = WindowProcedure;
  form.hInstance = Instance();
  form.hCursor = LoadCursor(nullptr, IDC_ARROW);
  form.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  form.hbrBackground = FaceBrush();
  form.lpszClassName = kFormClass;
  RegisterClassA(&form);
  RegisterPanelClass(Instance());
}

Win32Form::Win32Form(Win32Toolkit& toolkit, const WindowLayout& layout)
    : toolkit_(toolkit), layout_(layout) {
  RegisterClasses();
  const bool main_window = layout.frame == WindowFrame::kMainWindow;
  // A fixed frame with a caption; only the main window has a system menu and its close box.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (main_window ? WS_SYSMENU : 0);
  const DWORD ex_style = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, layout.client_width, layout.client_height};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  window_ = CreateWindowExA(ex_style, kFormClass, layout.caption.c_str(), style, left, top, width,
                            height, nullptr, nullptr, Instance(), this);
  for (const ControlLayout& control : layout.controls) CreateControl(control);
  ArrangeTabOrder();
  toolkit_.Adopt(*this);
}

Win32Form::~Win32Form() {
  toolkit_.Release(*this);
  if (background_brush_ != nullptr) DeleteObject(background_brush_);
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void Win32Form::CreateControl(const ControlLayout& layout) {
  auto control = std::make_unique<Control>(layout);
  control->id = kFirstControlId + static_cast<int>(controls_.size());
  const Control* container = layout.container.empty() ? nullptr : Find(layout.container);
  const HWND parent = container != nullptr ? container->window : window_;
  const bool tab_stop =
      std::ranges::find(layout_.tab_order, layout.name) != layout_.tab_order.end();
  const ControlClass type = ClassOf(layout);
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | type.style | (layout.visible ? WS_VISIBLE : 0) |
                      (layout.enabled ? 0 : WS_DISABLED) | (tab_stop ? WS_TABSTOP : 0);
  const std::string text = layout.kind == ControlKind::kMemo ? WithCrLf(layout.text) : layout.text;
  const HFONT font = FontOf(layout.font);
  int width = layout.width;
  int height = layout.height;
  if (layout.kind == ControlKind::kLabel && width == kSizedByText) {
    const SIZE size = TextSize(font, text);
    width = size.cx;
    height = size.cy;
  }
  control->window = CreateWindowExA(
      type.ex_style, type.name, text.c_str(), style, layout.left, layout.top, width, height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), Instance(), nullptr);
  if (control->window == nullptr) {
    std::fprintf(stderr, "vantric: %s.%s could not be made (error %lu)\n", layout_.name.c_str(),
                 layout.name.c_str(), GetLastError());
  }
  SendMessageA(control->window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  switch (layout.kind) {
    case ControlKind::kGroupBox:
      AdoptGroupBox(control->window);
      break;
    case ControlKind::kProgressBar:
      SendMessageA(control->window, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
      SendMessageA(control->window, PBM_SETBARCOLOR, 0, kClassicNavy);
      SendMessageA(control->window, PBM_SETBKCOLOR, 0, kClassicFace);
      break;
    case ControlKind::kPicture:
      control->picture = MakeGdiBitmap(DrawPicture(layout.picture, width, height), kClassicFace);
      if (background_ == nullptr && control->picture != nullptr) {
        background_ = control.get();
        background_brush_ = CreatePatternBrush(control->picture);
      }
      break;
    case ControlKind::kMemo:
      // The narrow margins the memos were laid out with: the explanation's lines fill the
      // width, and the system's default margins for the font would wrap them early.
      SendMessageA(control->window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(1, 1));
      break;
    case ControlKind::kPictureButton:
      control->picture = MakeGdiBitmap(DrawPicture(layout.picture, width, height), kClassicFace);
      control->greyed_picture =
          layout.picture == PictureKind::kDocumentPage
              ? MakeGdiBitmap(DrawGreyedDocumentPage(), kClassicFace)
              : MakeGdiBitmap(DrawPicture(layout.picture, width, height), kClassicFace);
      break;
    default:
      break;
  }
  controls_.push_back(std::move(control));
}

void Win32Form::ArrangeTabOrder() {
  // Tab and Shift+Tab go through the controls in their stacking order, into group boxes and
  // panels too. A container takes the place of its first control in the tab order.
  std::map<const Control*, int> rank;
  for (const auto& control : controls_) rank[control.get()] = INT_MAX;
  for (size_t place = 0; place < layout_.tab_order.size(); ++place) {
    for (const Control* c = FindQuietly(layout_.tab_order[place]); c != nullptr;
         c = c->layout.container.empty() ? nullptr : FindQuietly(c->layout.container)) {
      rank[c] = std::min(rank[c], static_cast<int>(place));
    }
  }
  std::vector<const Control*> order;
  for (const auto& control : controls_) order.push_back(control.get());
  // Pictures lie under everything else in their window.
  std::ranges::stable_sort(order, [&](const Control* a, const Control* b) {
    const bool a_picture = a->layout.kind == ControlKind::kPicture;
    const bool b_picture = b->layout.kind == ControlKind::kPicture;
    if (a_picture != b_picture) return b_picture;
    return rank[a] < rank[b];
  });
  std::map<HWND, HWND> last_of_parent;
  for (const Control* control : order) {
    const HWND parent = GetParent(control->window);
    const auto last = last_of_parent.find(parent);
    const HWND after = last == last_of_parent.end() ? HWND_TOP : last->second;
    SetWindowPos(control->window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    last_of_parent[parent] = control->window;
  }
}

Win32Form::Control* Win32Form::FindQuietly(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->layout.name == name) return control.get();
  }
  return nullptr;
}

Win32Form::Control* Win32Form::Find(std::string_view name) const {
  Control* control = FindQuietly(name);
  if (control == nullptr) {
    std::fprintf(stderr, "vantric: %s has no control %.*s\n", layout_.name.c_str(),
                 static_cast<int>(name.size()), name.data());
  }
  return control;
}

Win32Form::Control* Win32Form::FindByWindow(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& control : controls_) {
    if (control->window == window) return control.get();
  }
  return nullptr;
}

Win32Form::Control* Win32Form::FindById(int id) const {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return nullptr;
  return controls_[static_cast<size_t>(index)].get();
}

HWND Win32Form::ControlWindow(std::string_view name) const {
  const Control* control = FindQuietly(name);
  return control != nullptr ? control->window : nullptr;
}

void Win32Form::SizeToText(const Control& control) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control.window, WM_GETFONT, 0, 0));
  const SIZE size = TextSize(font, WindowText(control.window));
  SetWindowPos(control.window, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetText(std::string_view name, const std::string& text) {
  const Control* control = Find(name);
  if (control == nullptr) return;
  const ControlLayout& layout = control->layout;
  SetWindowTextA(control->window,
                 layout.kind == ControlKind::kMemo ? WithCrLf(text).c_str() : text.c_str());
  if (layout.kind == ControlKind::kLabel && layout.width == kSizedByText) SizeToText(*control);
  if (IsPushButton(layout.kind)) InvalidateRect(control->window, nullptr, TRUE);
}

std::string Win32Form::Text(std::string_view name) const {
  const Control* control = Find(name);
  if (control == nullptr) return "";
  return WithoutCr(WindowText(control->window));
}

void Win32Form::SetChecked(std::string_view name, bool checked) {
  const Control* control = Find(name);
  if (control == nullptr) return;
  const bool was_checked = Checked(name);
  SendMessageA(control->window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (was_checked != checked && control->on_toggle) control->on_toggle();
}

bool Win32Form::Checked(std::string_view name) const {
  const Control* control = Find(name);
  return control != nullptr &&
         SendMessageA(control->window, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(BST_CHECKED);
}

void Win32Form::SetEnabled(std::string_view name, bool enabled) {
  if (const Control* control = Find(name)) EnableWindow(control->window, enabled);
}

bool Win32Form::Enabled(std::string_view name) const {
  const Control* control = Find(name);
  return control != nullptr && IsWindowEnabled(control->window);
}

void Win32Form::SetVisible(std::string_view name, bool visible) {
  if (const Control* control = Find(name)) {
    ShowWindow(control->window, visible ? SW_SHOWNA : SW_HIDE);
  }
}

bool Win32Form::Visible(std::string_view name) const {
  // The control's own state: a control of a hidden window counts as visible when it would be.
  const Control* control = Find(name);
  return control != nullptr && (GetWindowLongA(control->window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Form::SetProgress(std::string_view name, int percent) {
  if (const Control* control = Find(name)) {
    SendMessageA(control->window, PBM_SETPOS, static_cast<WPARAM>(std::clamp(percent, 0, 100)), 0);
  }
}

void Win32Form::SetFocus(std::string_view name) {
  const Control* control = Find(name);
  if (control == nullptr) return;
  focus_ = control->window;
  if (GetActiveWindow() == window_) ::SetFocus(control->window);
}

void Win32Form::ScrollToEnd(std::string_view name) {
  if (const Control* control = Find(name)) {
    SendMessageA(control->window, WM_VSCROLL, SB_BOTTOM, 0);
  }
}

void Win32Form::OnClick(std::string_view name, std::function<void()> handler) {
  if (Control* control = Find(name)) control->on_click = std::move(handler);
}

void Win32Form::OnToggle(std::string_view name, std::function<void()> handler) {
  if (Control* control = Find(name)) control->on_toggle = std::move(handler);
}

void Win32Form::SetCaption(const std::string& caption) { SetWindowTextA(window_, caption.c_str()); }

std::string Win32Form::Caption() const { return WindowText(window_); }

void Win32Form::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  UpdateWindow(window_);
}

void Win32Form::Hide() { ShowWindow(window_, SW_HIDE); }

bool Win32Form::IsVisible() const { return IsWindowVisible(window_) != FALSE; }

void Win32Form::ShowModal() { toolkit_.RunModal(*this); }

const Win32Form::Control* Win32Form::DefaultButton() const {
  // A push button with the focus takes Enter itself; otherwise the window's default button.
  if (const Control* focused = FindByWindow(GetFocus())) {
    if (IsPushButton(focused->layout.kind)) return focused;
  }
  for (const auto& control : controls_) {
    if (control->layout.default_button) return control.get();
  }
  return nullptr;
}

LRESULT Win32Form::ColourControl(HDC dc, HWND control_window) {
  const Control* control = FindByWindow(control_window);
  SetBkColor(dc, kClassicFace);
  SetTextColor(dc, control != nullptr ? ColourOf(control->layout.colour) : kClassicText);
  if (control == nullptr) return reinterpret_cast<LRESULT>(FaceBrush());
  const ControlKind kind = control->layout.kind;
  if ((kind == ControlKind::kEdit || kind == ControlKind::kMemo) &&
      IsWindowEnabled(control_window)) {
    SetBkColor(dc, kClassicWindow);
    return reinterpret_cast<LRESULT>(WindowBrush());
  }
  if (control->layout.transparent && background_brush_ != nullptr) {
    // The picture under the label, lined up with the picture itself.
    POINT origin{0, 0};
    MapWindowPoints(control_window, background_->window, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(background_brush_);
  }
  return reinterpret_cast<LRESULT>(FaceBrush());
}

void Win32Form::DrawControl(const DRAWITEMSTRUCT& item) {
  const Control* control = FindByWindow(item.hwndItem);
  if (control == nullptr) return;
  if (control->layout.kind == ControlKind::kPicture) {
    DrawGdiBitmap(item.hDC, control->picture, 0, 0);
    return;
  }
  const Control* default_button = DefaultButton();
  ButtonFace face;
  face.caption = WindowText(control->window);
  face.caption_colour = ColourOf(control->layout.colour);
  face.picture = control->picture;
  face.greyed_picture = control->greyed_picture;
  PaintClassicButton(item, face, control == default_button);
  if (item.itemAction == ODA_FOCUS) {
    // The focus moving onto or off a push button moves Enter's frame to or from the others.
    for (const auto& other : controls_) {
      if (other.get() != control && IsPushButton(other->layout.kind)) {
        InvalidateRect(other->window, nullptr, FALSE);
      }
    }
  }
}

void Win32Form::Activated(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) focus_ = focus;
    return;
  }
  HWND target = focus_;
  if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(window_, nullptr, FALSE);
  }
  if (target != nullptr) ::SetFocus(target);
}

LRESULT CALLBACK Win32Form::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(l);
    auto* form = static_cast<Win32Form*>(create->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcA(window, message, w, l);
  return form->Handle(message, w, l);
}

LRESULT Win32Form::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND: {
      const Control* control = FindById(LOWORD(w));
      if (control == nullptr || HIWORD(w) != BN_CLICKED) break;
      // An automatic check box has changed its state already.
      const auto& handler =
          control->layout.kind == ControlKind::kCheckBox ? control->on_toggle : control->on_click;
      if (handler) handler();
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return ColourControl(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
      DrawControl(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case DM_GETDEFID:
      // Asked by the dialog keys when Enter is pressed.
      if (const Control* button = DefaultButton()) {
        return MAKELRESULT(button->id, DC_HASDEFID);
      }
      return 0;
    case WM_ACTIVATE:
      Activated(LOWORD(w) != WA_INACTIVE);
      return 0;
    case WM_CLOSE:
      // Closing the main window ends the program; the dialogs close only by their buttons.
      if (layout_.frame == WindowFrame::kMainWindow) {
        Hide();
        PostQuitMessage(0);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, w, l);
}

}  // namespace vantric
