#include "toolkit/qt/qt_toolkit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPrinterInfo>

#include "toolkit/qt/classic_style.h"
#include "toolkit/qt/message_pump.h"
#include "toolkit/qt/print_report.h"
#include "toolkit/qt/qt_form.h"
#include "toolkit/qt/standard_message.h"
#include "toolkit/qt/ui_fonts.h"

namespace vantric {

std::unique_ptr<Form> QtToolkit::MakeForm(const WindowLayout& layout) {
  return std::make_unique<QtForm>(layout);
}

void QtToolkit::ShowMessage(Form& reporter, const std::string& text) {
  ShowStandardMessage(&WidgetOf(reporter), QString::fromStdString(text));
}

void QtToolkit::PumpMessages() { vantric::PumpMessages(); }

void QtToolkit::WaitWhileVisible(const Form& window) {
  vantric::WaitWhileVisible(WidgetOf(window));
}

void QtToolkit::RunMessageLoop(Form& main_window) {
  WatchForQuit(WidgetOf(main_window));
  main_window.Show();
  QApplication::exec();
}

std::optional<std::string> QtToolkit::AskSaveFileName(Form& owner,
                                                      const SaveDialogSettings& settings) {
  LogFileDialog dialog(&WidgetOf(owner), settings);
  const bool confirmed =
      run_save_dialog_ ? run_save_dialog_(dialog) : dialog.exec() == QDialog::Accepted;
  std::string chosen = confirmed ? dialog.ChosenName() : "";
  if (chosen.empty()) return std::nullopt;
  return chosen;
}

std::optional<std::string> QtToolkit::PrintReport(const std::vector<ReportLine>& lines,
                                                  const ReportFonts& fonts) {
  return PrintOnDefaultPrinter(lines, fonts);
}

void QtToolkit::ProcessMessages() { QCoreApplication::processEvents(); }

void PrepareApplication() {
  // The title goes on every message box (ShowStandardMessage). It is not the application's
  // name here: a name holding "/" breaks the paths Qt derives from it, and a display name
  // would be appended to every window caption.
  QCoreApplication::setApplicationName("vantric");
  QGuiApplication::setDesktopFileName("vantric");
  RegisterFontSubstitutes();
  UseClassicStyle();
}

namespace {

// The application object lives as long as the toolkit that needs it.
class ApplicationHolder {
 protected:
  ApplicationHolder(int& argc, char** argv) : application_(argc, argv) { PrepareApplication(); }

 private:
  QApplication application_;
};

class NativeQtToolkit : private ApplicationHolder, public QtToolkit {
 public:
  NativeQtToolkit(int& argc, char** argv) : ApplicationHolder(argc, argv) {}
};

}  // namespace

std::unique_ptr<Toolkit> MakeNativeToolkit(int& argc, char** argv) {
  return std::make_unique<NativeQtToolkit>(argc, argv);
}

}  // namespace vantric
