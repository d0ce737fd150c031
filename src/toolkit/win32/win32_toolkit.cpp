#include "toolkit/win32/win32_toolkit.h"

#include <algorithm>
#include <cstdio>

#include "toolkit/win32/print_report.h"
#include "toolkit/win32/save_dialog.h"
#include "toolkit/win32/standard_message.h"

namespace vantric {

Win32Toolkit::Win32Toolkit() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

std::unique_ptr<Form> Win32Toolkit::MakeForm(const WindowLayout& layout) {
  return std::make_unique<Win32Form>(*this, layout);
}

void Win32Toolkit::Adopt(Win32Form& form) { forms_.push_back(&form); }

void Win32Toolkit::Release(Win32Form& form) { std::erase(forms_, &form); }

Win32Toolkit::MessageHandler Win32Toolkit::SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(message_handler_);
  message_handler_ = std::move(handler);
  return previous;
}

void Win32Toolkit::ShowMessage(Form& reporter, const std::string& text) {
  auto& form = static_cast<Win32Form&>(reporter);
  if (message_handler_) {
    message_handler_(form, text);
    return;
  }
  ShowStandardMessage(form.handle(), text);
}

void Win32Toolkit::Dispatch(MSG& message) {
  const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  const bool on_form = std::ranges::any_of(
      forms_, [root](const Win32Form* form) { return root != nullptr && form->handle() == root; });
  // Tab, Shift+Tab, Enter and Space, as a dialog handles them.
  if (on_form && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void Win32Toolkit::EndProgram() {
  for (Win32Form* form : forms_) {
    if (form->layout().frame == WindowFrame::kMainWindow) form->Hide();
  }
  // Nothing is kept between runs and the log file is closed after every report, so there is
  // nothing left to save.
  std::fflush(nullptr);
  ExitProcess(0);
}

void Win32Toolkit::PumpMessages() {
  if (!PumpFree) return;
  PumpFree = false;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) EndProgram();
    Dispatch(message);
  }
  if (quit_requested_) EndProgram();
  PumpFree = true;
}

void Win32Toolkit::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit_requested_ = true;
      continue;
    }
    Dispatch(message);
  }
}

void Win32Toolkit::WaitWhileVisible(const Form& window) {
  // Checked before every sleep: the handler that hides the window may have run already. The
  // sleep lasts until input arrives, so an open window costs no processor time.
  while (window.IsVisible()) {
    PumpMessages();
    if (!window.IsVisible()) break;
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void Win32Toolkit::RunMessageLoop(Form& main_window) {
  main_window.Show();
  MSG message;
  while (!quit_requested_ && GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
  main_window.Hide();
}

void Win32Toolkit::RunModal(Win32Form& form) {
  // The other windows take no input meanwhile.
  std::vector<HWND> disabled;
  for (Win32Form* other : forms_) {
    const HWND window = other->handle();
    if (other != &form && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled.push_back(window);
    }
  }
  form.Show();
  MSG message;
  while (form.IsVisible() && !quit_requested_) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      quit_requested_ = true;
      break;
    }
    Dispatch(message);
  }
  // Enabled before the dialog goes, so that the window under it becomes active again.
  for (const HWND window : disabled) EnableWindow(window, TRUE);
  form.Hide();
}

std::optional<std::string> Win32Toolkit::AskSaveFileName(Form& owner,
                                                         const SaveDialogSettings& settings) {
  return RunSaveDialog(static_cast<Win32Form&>(owner).handle(), settings);
}

std::optional<std::string> Win32Toolkit::PrintReport(const std::vector<ReportLine>& lines,
                                                     const ReportFonts& fonts) {
  return PrintReportOnDefaultPrinter(lines, fonts);
}

}  // namespace vantric
