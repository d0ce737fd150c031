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

}  // namespace

int main(int argc, char** argv) {
  // The command line is answered before any window system is needed, unless it holds options
  // of the toolkit's, which the toolkit has to take out of argv first.
  std::unique_ptr<vantric::Toolkit> toolkit;
  if (vantric::HasToolkitOptions(ArgumentsAfterProgramName(argc, argv))) {
    toolkit = vantric::MakeNativeToolkit(argc, argv);
  }
  vantric::DesktopStart start =
      vantric::ReadDesktopCommandLine(ArgumentsAfterProgramName(argc, argv));
  std::fputs(start.out.c_str(), stdout);
  std::fputs(start.err.c_str(), stderr);
  if (!start.machine) return start.exit_code;
  if (!toolkit) toolkit = vantric::MakeNativeToolkit(argc, argv);

  vantric::Desktop desktop(*toolkit, start.machine->PlatformWith(*toolkit));
  toolkit->RunMessageLoop(desktop.forms().Form1->window());
  return 0;
}
