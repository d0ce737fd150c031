// The desktop application: start-up, the four windows and the message loop.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "forms/desktop.h"
#include "platform/native.h"
#include "sim/simulation.h"
#include "toolkit/native_toolkit.h"
#include "ui/command_line.h"

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
  const std::unique_ptr<vantric::Toolkit> toolkit = vantric::MakeNativeToolkit(argc, argv);

  vantric::DesktopOptions options;
  std::string error;
  if (!vantric::ParseDesktopOptions(ArgumentsAfterProgramName(argc, argv), &options, &error)) {
    std::fprintf(stderr, "vantric: %s\n%s", error.c_str(), vantric::kDesktopUsage);
    return 2;
  }
  std::unique_ptr<vantric::Simulation> simulation;
  if (!options.simulate_profile.empty()) {
    simulation = vantric::MakeSimulation(options.simulate_profile, &error);
    if (!simulation) {
      std::fprintf(stderr, "vantric: %s\n", error.c_str());
      return 2;
    }
  }
  vantric::NativeClock native_clock;
  vantric::NativeDrives native_drives(options.drive_directories);
  vantric::NativeRegistry registry;
  vantric::NativeSystem system(options.arguments);
  vantric::Clock& clock = simulation ? static_cast<vantric::Clock&>(simulation->clock())
                                     : static_cast<vantric::Clock&>(native_clock);
  vantric::Drives& drives = simulation ? static_cast<vantric::Drives&>(simulation->drives())
                                       : static_cast<vantric::Drives&>(native_drives);

  vantric::Desktop desktop(*toolkit, vantric::Platform{clock, drives, registry, system, *toolkit});
  toolkit->RunMessageLoop(desktop.forms().Form1->window());
  return 0;
}
