#pragma once

#include <string>
#include <string_view>

namespace vantric {

// The results window as the run driver sees it. Controls are addressed by their names
// ("CurTest", "read16vi", "cpuux", "Panel1", "Button1", "mindex", ...), so the desktop window,
// the terminal front end and the tests' recording view all serve the same driver.
class ResultsView {
 public:
  virtual ~ResultsView() = default;

  // The engine's caption and progress hooks point at these two during a run.
  virtual void ShowTestCaption(const std::string& text) = 0;  // CurTest
  virtual void ShowTestProgress(int percent) = 0;             // Progress, 0..100
  // Before each test of a pass: its number among the tests of this pass, from 1 (0 between
  // tests), how many tests the pass runs as far as is known, and where on the disc it reads
  // ("inside", "center", "outside"; empty for a test without a place). The count drops when
  // a CPU test turns out to be beyond the drive. The windows have no place for it.
  virtual void ShowTestStep(int /*number*/, int /*count*/, std::string_view /*place*/) {}

  virtual void SetWindowCaption(const std::string& text) = 0;
  // Caption of a label or button.
  virtual void SetText(std::string_view control, const std::string& text) = 0;
  virtual void SetEnabled(std::string_view control, bool enabled) = 0;
  virtual void SetVisible(std::string_view control, bool visible) = 0;

  // Empties the description area (Memo1).
  virtual void ClearDescriptions() = 0;
  // Appends description text 1..14, after an empty line unless the area is empty, and lets
  // the user interface draw it.
  virtual void DescribeStep(int number) = 0;

  // The standard message box, placed at this window's top-left corner; returns when closed.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void HideWindow() = 0;
  // Lets the user interface process what is waiting (a click on Cancel, painting).
  virtual void ProcessMessages() = 0;
};

// The user information dialog: three texts describing the drive, controller and computer.
class UserInformation {
 public:
  virtual ~UserInformation() = default;

  // Shows the dialog modally and returns when it is closed.
  virtual void Ask() = 0;
  // Empties the three texts, as the start of every run does.
  virtual void Clear() = 0;
  // The texts of Edit1 (drive), Edit2 (controller), Edit3 (computer), as typed.
  virtual std::string Edit1() const = 0;
  virtual std::string Edit2() const = 0;
  virtual std::string Edit3() const = 0;
};

}  // namespace vantric
