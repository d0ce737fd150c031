// The desktop application: start-up, the four windows and the message loop.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "platform/native.h"
#include "sim/machine.h"
#include "ui/classic_style.h"
#include "ui/command_line.h"
#include "ui/desktop.h"
#include "ui/message_pump.h"
#include "ui/qt_ui_pump.h"
#include "ui/ui_fonts.h"

namespace {

std::vector<std::string> ArgumentsAfterProgramName(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

// --help and --simulate list print and end before any window system is needed.
bool AnswerWithoutWindows(const std::vector<std::string>& arguments) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--help" || arguments[i] == "-h") {
      std::fputs(vantric::kDesktopUsage, stdout);
      return true;
    }
    if (arguments[i] == "--simulate" && i + 1 < arguments.size() && arguments[i + 1] == "list") {
      std::fputs(vantric::DriveProfileListText().c_str(), stdout);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerWithoutWindows(ArgumentsAfterProgramName(argc, argv))) return 0;
  QApplication application(argc, argv);  // takes its own options out of argv

  vantric::DesktopOptions options;
  std::string error;
  if (!vantric::ParseDesktopOptions(ArgumentsAfterProgramName(argc, argv), &options, &error)) {
    std::fprintf(stderr, "vantric: %s\n%s", error.c_str(), vantric::kDesktopUsage);
    return 2;
  }
  const std::unique_ptr<vantric::Machine> machine =
      vantric::MakeMachine(options.simulate_profile, options.drive_directories, &error);
  if (!machine) {
    std::fprintf(stderr, "vantric: %s\n", error.c_str());
    return 2;
  }
  vantric::NativeRegistry registry;
  vantric::NativeSystem system(options.arguments);
  vantric::QtUiPump pump;

  vantric::RegisterFontSubstitutes();
  vantric::UseClassicStyle();
  vantric::Desktop desktop(
      vantric::Platform{machine->clock(), machine->drives(), registry, system, pump});
  vantric::TForm1& main_window = *desktop.forms().Form1;
  vantric::WatchForQuit(main_window);
  main_window.show();
  application.exec();
  return 0;
}
