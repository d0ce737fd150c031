#include "app/command_line.h"

namespace vantric {

const char* const kDesktopUsage =
    "Usage: vantric [NET] [--drive DIR]... [--simulate PROFILE]\n"
    "  NET                 also look for the test disc on network drives\n"
    "  --drive DIR         treat DIR as a CD-ROM drive (may be given more than once)\n"
    "  --simulate PROFILE  run on a simulated drive; --simulate list shows the profiles\n"
    "  --help              show this text\n";

bool ParseDesktopOptions(const std::vector<std::string>& arguments, DesktopOptions* options,
                         std::string* error) {
  *options = DesktopOptions();
  options->arguments = arguments;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "NET") {
      // The engine looks for it in first place only.
      if (i == 0) continue;
      *error = "NET must be the first argument";
      return false;
    }
    if (argument == "--drive" || argument == "--simulate") {
      if (i + 1 == arguments.size()) {
        *error = argument + " needs a value";
        return false;
      }
      const std::string& value = arguments[++i];
      if (argument == "--drive") {
        options->drive_directories.push_back(value);
      } else {
        options->simulate_profile = value;
      }
      continue;
    }
    *error = "unknown argument: " + argument;
    return false;
  }
  return true;
}

}  // namespace vantric
