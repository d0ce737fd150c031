#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/toolkit.h"
#include "toolkit/win32/win32_ui.h"

namespace vantric {

class Win32Toolkit;

// A window made from its layout with the system's standard controls: statics for labels and
// pictures, buttons for push buttons, check boxes and group boxes, edits for edit fields and
// the memo, the common progress bar. Controls in a group box or panel are its child windows,
// placed in its coordinates. Push buttons are drawn by the window in the classic look, so that
// their colours, like every other colour of the window, do not follow the desktop's scheme.
class Win32Form : public Form {
 public:
  Win32Form(Win32Toolkit& toolkit, const WindowLayout& layout);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  void SetText(std::string_view control, const std::string& text) override;
  std::string Text(std::string_view control) const override;
  void SetChecked(std::string_view control, bool checked) override;
  bool Checked(std::string_view control) const override;
  void SetEnabled(std::string_view control, bool enabled) override;
  bool Enabled(std::string_view control) const override;
  void SetVisible(std::string_view control, bool visible) override;
  bool Visible(std::string_view control) const override;
  void SetProgress(std::string_view control, int percent) override;
  void SetFocus(std::string_view control) override;
  void ScrollToEnd(std::string_view control) override;
  void OnClick(std::string_view control, std::function<void()> handler) override;
  void OnToggle(std::string_view control, std::function<void()> handler) override;
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void Show() override;
  void Hide() override;
  bool IsVisible() const override;
  void ShowModal() override;

  HWND handle() const { return window_; }
  const WindowLayout& layout() const { return layout_; }
  // The window of the named control; nullptr when this window has no control of that name.
  HWND ControlWindow(std::string_view name) const;

 private:
  struct Control;

  // The window classes of the forms and their panels, registered with the first form.
  static void RegisterClasses();
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void CreateControl(const ControlLayout& layout);
  void ArrangeTabOrder();
  Control* Find(std::string_view name) const;  // reports a name this window does not have
  Control* FindQuietly(std::string_view name) const;
  Control* FindByWindow(HWND window) const;
  Control* FindById(int id) const;
  const Control* DefaultButton() const;
  void SizeToText(const Control& control);
  LRESULT ColourControl(HDC dc, HWND control_window);
  void DrawControl(const DRAWITEMSTRUCT& item);
  void Activated(bool active);

  Win32Toolkit& toolkit_;
  const WindowLayout& layout_;
  HWND window_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  // The control given the focus when the window becomes active again.
  HWND focus_ = nullptr;
  // Transparent labels show the picture under them through this brush.
  const Control* background_ = nullptr;
  HBRUSH background_brush_ = nullptr;
};

}  // namespace vantric
