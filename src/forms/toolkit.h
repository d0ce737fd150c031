#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/window_layout.h"
#include "platform/ui_pump.h"
#include "run/report_layout.h"
#include "run/report_lines.h"

namespace vantric {

// The application's title: the caption of every message box.
inline constexpr const char* kApplicationTitle = "Vantric 95/Pro";

// One window as a toolkit made it from its layout. Its controls are reached by the names the
// layout gives them; a name the window does not have is a programming error, reported by the
// toolkit and otherwise ignored.
class Form {
 public:
  virtual ~Form() = default;

  // Caption of a label, button, check box or group box; the text of an edit field or a memo
  // (lines separated by "\n"). A label sized by its text takes the new text's size.
  virtual void SetText(std::string_view control, const std::string& text) = 0;
  virtual std::string Text(std::string_view control) const = 0;
  // Setting a check box's state in code runs its toggle handler when the state changes.
  virtual void SetChecked(std::string_view control, bool checked) = 0;
  virtual bool Checked(std::string_view control) const = 0;
  virtual void SetEnabled(std::string_view control, bool enabled) = 0;
  virtual bool Enabled(std::string_view control) const = 0;
  virtual void SetVisible(std::string_view control, bool visible) = 0;
  // Whether the control shows whenever its window does: its own state and its container's,
  // whether or not the window itself is on the screen now.
  virtual bool Visible(std::string_view control) const = 0;
  virtual void SetProgress(std::string_view control, int percent) = 0;  // a progress bar, 0..100
  virtual void SetFocus(std::string_view control) = 0;
  // Scrolls a memo to its last line.
  virtual void ScrollToEnd(std::string_view control) = 0;

  // A button's press (by click, Space or Enter as the default button).
  virtual void OnClick(std::string_view control, std::function<void()> handler) = 0;
  // A check box's change of state, by the user or by SetChecked.
  virtual void OnToggle(std::string_view control, std::function<void()> handler) = 0;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  // Shows the window modally: returns once it has been hidden.
  virtual void ShowModal() = 0;
};

// The save dialog's settings: a title, an extension added to a name without one, and the name
// it starts with. The folder of the name must exist; an existing file is taken without asking.
struct SaveDialogSettings {
  std::string title;
  std::string default_extension;
  std::string initial_name;
};

// What the windows need of a windowing system: windows made from layouts, the standard message
// box, the message pump, the save dialog and the default printer. One implementation per
// system; the windows' behaviour is written once against this.
class Toolkit : public UiPump {
 public:
  ~Toolkit() override = default;

  virtual std::unique_ptr<Form> MakeForm(const WindowLayout& layout) = 0;

  // The standard message box: the application title as its caption, the text, one OK button,
  // no icon, modal, with its top-left corner on the reporting window's top-left corner.
  virtual void ShowMessage(Form& reporter, const std::string& text) = 0;

  // Handles every message that is waiting and returns when none is left. Does nothing when
  // called from inside itself. A request to quit closes the main window and ends the program
  // at once with exit code 0.
  virtual void PumpMessages() = 0;
  // Keeps the windows alive while `window` is visible; returns once it has been hidden.
  virtual void WaitWhileVisible(const Form& window) = 0;
  // Runs the application's message loop until the main window is closed.
  virtual void RunMessageLoop(Form& main_window) = 0;

  // The full path of the name the user confirmed; nothing when the dialog was cancelled.
  virtual std::optional<std::string> AskSaveFileName(Form& owner,
                                                     const SaveDialogSettings& settings) = 0;

  // Prints the report as one job of one page on the default printer, with an empty document
  // name. Returns the message to show when nothing could be printed.
  virtual std::optional<std::string> PrintReport(const std::vector<ReportLine>& lines,
                                                 const ReportFonts& fonts) = 0;
};

// The system's own toolkit, defined by the toolkit library the program links with. It may take
// its own options out of the command line.
std::unique_ptr<Toolkit> MakeNativeToolkit(int& argc, char** argv);

}  // namespace vantric
