#include "toolkit/win32/containers.h"

#include <string>

#include "toolkit/win32/classic_colours.h"
#include "toolkit/win32/window_text.h"

namespace vantric {
namespace {

// Answers the messages a container passes on; false for the others.
bool PassOn(HWND container, UINT message, WPARAM w, LPARAM l, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
      *result = SendMessageA(GetAncestor(container, GA_ROOT), message, w, l);
      return true;
    default:
      return false;
  }
}

HFONT SelectWindowFont(HWND window, HDC dc) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  return static_cast<HFONT>(SelectObject(dc, font));
}

// A frame sunk into the face with the caption on its top edge.
void PaintGroupBox(HWND group_box) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(group_box, &paint);
  RECT client;
  GetClientRect(group_box, &client);
  FillRect(dc, &client, FaceBrush());
  const HGDIOBJ old_font = SelectWindowFont(group_box, dc);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2 - 1;
  RECT shine = frame;
  OffsetRect(&shine, 1, 1);
  DrawBevel(dc, shine, kClassicHighlight, kClassicHighlight);
  frame.right -= 1;
  frame.bottom -= 1;
  DrawBevel(dc, frame, kClassicShadow, kClassicShadow);
  const std::string caption = WindowText(group_box);
  if (!caption.empty()) {
    RECT text{8, 0, client.right - 8, metrics.tmHeight};
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kClassicFace);
    SetTextColor(dc, IsWindowEnabled(group_box) ? kClassicText : kClassicGreyText);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  SelectObject(dc, old_font);
  EndPaint(group_box, &paint);
}

LRESULT CALLBACK GroupBoxProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (PassOn(window, message, w, l, &result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole with the frame
    case WM_PAINT:
      PaintGroupBox(window);
      return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
      // The button class would draw the frame its own way at once.
      const LRESULT done = DefWindowProcA(window, message, w, l);
      InvalidateRect(window, nullptr, TRUE);
      return done;
    }
    default: {
      const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
      return CallWindowProcA(original, window, message, w, l);
    }
  }
}

LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (PassOn(window, message, w, l, &result)) return result;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, FaceBrush());
    DrawBevel(dc, client, kClassicHighlight, kClassicShadow);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

}  // namespace

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSA panel{};
  panel.lpfnWndProc = PanelProcedure;
  panel.hInstance = instance;
  panel.hCursor = LoadCursor(nullptr, IDC_ARROW);
  panel.hbrBackground = FaceBrush();
  panel.lpszClassName = kPanelClass;
  RegisterClassA(&panel);
}

void AdoptGroupBox(HWND group_box) {
  // The button class's own procedure, kept where the new one finds it before it takes over.
  SetWindowLongPtrA(group_box, GWLP_USERDATA, GetWindowLongPtrA(group_box, GWLP_WNDPROC));
  SetWindowLongPtrA(group_box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProcedure));
}

}  // namespace vantric
