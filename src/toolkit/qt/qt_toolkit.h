#pragma once

#include <functional>

#include "forms/toolkit.h"
#include "toolkit/qt/log_file_dialog.h"

namespace vantric {

// The windows on Qt Widgets. A QApplication must exist before the first window is made
// (PrepareApplication gives it the program's look).
class QtToolkit : public Toolkit {
 public:
  std::unique_ptr<Form> MakeForm(const WindowLayout& layout) override;
  void ShowMessage(Form& reporter, const std::string& text) override;
  void PumpMessages() override;
  void WaitWhileVisible(const Form& window) override;
  void RunMessageLoop(Form& main_window) override;
  std::optional<std::string> AskSaveFileName(Form& owner,
                                             const SaveDialogSettings& settings) override;
  std::optional<std::string> PrintReport(const std::vector<ReportLine>& lines,
                                         const ReportFonts& fonts) override;

  // UiPump: keeps the windows alive during a run.
  void ProcessMessages() override;

  // Runs the save dialog and tells whether a name was confirmed; tests answer in its place.
  using SaveDialogRunner = std::function<bool(LogFileDialog& dialog)>;
  void SetSaveDialogRunner(SaveDialogRunner runner) { run_save_dialog_ = std::move(runner); }

 private:
  SaveDialogRunner run_save_dialog_;
};

// Gives the application the program's title, fonts, style and palette; call once, after the
// QApplication exists and before any window is made.
void PrepareApplication();

}  // namespace vantric
