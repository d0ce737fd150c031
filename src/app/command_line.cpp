#include "app/command_line.h"

#include <utility>

#include "options/drive_folders.h"
#include "run/program_version.h"

namespace vantric {
namespace {

constexpr const char* kDesktopProgram = "vantric";

}  // namespace

std::string DesktopUsage() {
  return std::string(
             "Usage: vantric [NET] [options]\n"
             "Runs the CD-ROM benchmark in its windows.\n"
             "\n") +
         kProgramOptionsHelp + kInformationOptionsHelp +
         "\n"
         "An option's value may also follow an equals sign: --simulate=8x-clv.\n";
}

bool ParseDesktopOptions(const std::vector<std::string>& arguments, DesktopOptions* options,
                         std::string* error) {
  *options = DesktopOptions();
  options->arguments = arguments;
  for (size_t i = 0; i < arguments.size(); ++i) {
    bool taken = false;
    if (auto message = ReadProgramOption(arguments, &i, options, &taken)) {
      *error = *message;
      return false;
    }
    if (!taken) {
      *error = "unknown argument: " + arguments[i];
      return false;
    }
  }
  if (auto message = CheckProgramOptions(*options)) {
    *error = *message;
    return false;
  }
  return true;
}

DesktopStart ReadDesktopCommandLine(const std::vector<std::string>& arguments) {
  DesktopStart start;
  const auto refuse = [&start](const std::string& message) {
    start.err = InvalidOptionsText(kDesktopProgram, message);
    start.exit_code = 2;
    return std::move(start);
  };
  std::string error;
  if (!ParseDesktopOptions(arguments, &start.options, &error)) return refuse(error);
  const DesktopOptions& options = start.options;
  if (options.help) {
    start.out = DesktopUsage();
    return start;
  }
  if (options.version) {
    start.out = VersionText(kDesktopProgram, kProgramVersion);
    return start;
  }
  if (options.simulate_profile == "list") {
    start.out = DriveProfileListText();
    return start;
  }
  if (auto message = CheckDriveFolders(options.drive_directories)) return refuse(*message);
  start.machine =
      MakeMachine(options.simulate_profile, options.drive_directories, options.arguments, &error);
  if (!start.machine) return refuse(error);
  return start;
}

bool HasToolkitOptions(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.size() > 1 && argument[0] == '-' && argument[1] != '-' && argument != "-h") {
      return true;
    }
  }
  return false;
}

}  // namespace vantric
