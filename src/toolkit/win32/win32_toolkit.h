#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/toolkit.h"
#include "toolkit/win32/win32_form.h"

namespace vantric {

// The windows on the system's own controls, its message queue, message box, save dialog and
// default printer.
class Win32Toolkit : public Toolkit {
 public:
  Win32Toolkit();
  ~Win32Toolkit() override = default;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  std::unique_ptr<Form> MakeForm(const WindowLayout& layout) override;
  void ShowMessage(Form& reporter, const std::string& text) override;
  void PumpMessages() override;
  void WaitWhileVisible(const Form& window) override;
  void RunMessageLoop(Form& main_window) override;
  std::optional<std::string> AskSaveFileName(Form& owner,
                                             const SaveDialogSettings& settings) override;
  std::optional<std::string> PrintReport(const std::vector<ReportLine>& lines,
                                         const ReportFonts& fonts) override;
  // The framework's "process all pending messages": what is waiting is handled, a request to
  // quit is kept for the pump and the message loop, which end the program.
  void ProcessMessages() override;

  // Replaces the message box (tests record the texts instead of pressing OK); an empty
  // handler restores the box. Returns the handler it replaced.
  using MessageHandler = std::function<void(Win32Form& reporter, const std::string& text)>;
  MessageHandler SetMessageHandler(MessageHandler handler);

  // For the forms: they are known while they exist, and one shows itself modally here.
  void Adopt(Win32Form& form);
  void Release(Win32Form& form);
  void RunModal(Win32Form& form);

 private:
  // Hands one message to its window, after the keys that move the focus and press the
  // default button have had their say.
  void Dispatch(MSG& message);
  [[noreturn]] void EndProgram();

  std::vector<Win32Form*> forms_;
  MessageHandler message_handler_;
  // True while no call of PumpMessages is running.
  bool PumpFree = true;
  bool quit_requested_ = false;
};

}  // namespace vantric
