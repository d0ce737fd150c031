#pragma once

#include <QAbstractButton>
#include <QMetaObject>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "forms/toolkit.h"

namespace vantric {

// A window built from its layout with Qt widgets: each control a child widget carrying its name
// as its object name, placed at the layout's pixel position in its container.
class QtForm : public Form {
 public:
  explicit QtForm(const WindowLayout& layout);
  ~QtForm() override;

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

  QWidget& widget() const { return *window_; }

 private:
  // The control of that name; nullptr, with a warning, when the window has none.
  QWidget* Control(std::string_view name) const;
  // Connects the handler to a button's signal in place of the one it had for that signal.
  void Connect(std::string_view control, void (QAbstractButton::*signal)(bool),
               std::function<void()> handler);

  std::unique_ptr<QWidget> window_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  std::map<std::string, QMetaObject::Connection, std::less<>> handlers_;
};

// The window behind a form this toolkit made.
QWidget& WidgetOf(const Form& form);

}  // namespace vantric
