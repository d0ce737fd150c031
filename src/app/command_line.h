#pragma once

#include <memory>
#include <string>
#include <vector>

#include "options/program_options.h"
#include "sim/machine.h"

namespace vantric {

// vantric [NET] [--drive DIR]... [--simulate PROFILE], read as vantric-cli reads them.
struct DesktopOptions : ProgramOptions {
  std::vector<std::string> arguments;  // as the engine sees them: NET, when given, comes first
};

// Reads the arguments after the program name; false with a message in *error when they cannot
// be used. Nothing is checked against the file system here.
bool ParseDesktopOptions(const std::vector<std::string>& arguments, DesktopOptions* options,
                         std::string* error);

// What the desktop program makes of its command line before it opens a window: the options and
// the machine to run on or, when it is to end at once (help, version, the profiles, or a
// command line it refuses as vantric-cli does), what to print and the exit code.
struct DesktopStart {
  DesktopOptions options;
  std::unique_ptr<Machine> machine;  // null: end at once with `exit_code`
  int exit_code = 0;
  std::string out;
  std::string err;
};
DesktopStart ReadDesktopCommandLine(const std::vector<std::string>& arguments);

// Whether any argument is meant for the window system's toolkit (Qt's -platform or -style, say),
// which takes its own out of the command line once it starts.
bool HasToolkitOptions(const std::vector<std::string>& arguments);

// What --help prints.
std::string DesktopUsage();

}  // namespace vantric
