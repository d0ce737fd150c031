// The desktop application: start-up, the four windows and the message loop, on the system's
// own toolkit.
#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "forms/desktop.h"
#include "forms/toolkit.h"
#include "sim/machine.h"

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
  // The toolkit may take its own options out of argv.
  const std::unique_ptr<vantric::Toolkit> toolkit = vantric::MakeNativeToolkit(argc, argv);

  vantric::DesktopOptions options;
  std::string error;
  if (!vantric::ParseDesktopOptions(ArgumentsAfterProgramName(argc, argv), &options, &error)) {
    std::fprintf(stderr, "vantric: %s\n%s", error.c_str(), vantric::kDesktopUsage);
    return 2;
  }
  const std::unique_ptr<vantric::Machine> machine = vantric::MakeMachine(
      options.simulate_profile, options.drive_directories, options.arguments, &error);
  if (!machine) {
    std::fprintf(stderr, "vantric: %s\n", error.c_str());
    return 2;
  }
  vantric::Desktop desktop(*toolkit, machine->PlatformWith(*toolkit));
  toolkit->RunMessageLoop(desktop.forms().Form1->window());
  return 0;
}
