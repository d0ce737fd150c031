#include "options/program_options.h"

namespace vantric {

const char* const kProgramOptionsHelp =
    "  NET                  also look for the test disc on network drives (first argument)\n"
    "  --drive DIR          treat DIR as the root of a CD-ROM drive (repeatable)\n"
    "  --simulate PROFILE   a simulated drive on a virtual clock; \"--simulate list\" lists\n"
    "                       the profiles\n";
const char* const kInformationOptionsHelp =
    "  -h, --help           show this text\n"
    "  --version            show the version\n";

std::string OptionName(const std::string& argument) {
  const size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
  return argument.substr(0, equals);
}

std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, size_t* i) {
  const std::string& argument = arguments[*i];
  const size_t name_length = OptionName(argument).size();
  if (name_length < argument.size()) return argument.substr(name_length + 1);
  if (*i + 1 == arguments.size()) return std::nullopt;
  return arguments[++*i];
}

std::optional<std::string> ReadProgramOption(const std::vector<std::string>& arguments, size_t* i,
                                             ProgramOptions* options, bool* taken) {
  const std::string& argument = arguments[*i];
  const std::string name = OptionName(argument);
  *taken = true;
  if (argument == "NET") {
    // The engine looks for it in first place only.
    if (*i != 0) return std::string("NET must be the first argument");
    options->net = true;
    return std::nullopt;
  }
  if (name == "-h" || name == "--help" || name == "--version") {
    if (name.size() < argument.size()) return name + " takes no value";
    (name == "--version" ? options->version : options->help) = true;
    return std::nullopt;
  }
  if (name != "--drive" && name != "--simulate") {
    *taken = false;
    return std::nullopt;
  }
  const std::optional<std::string> value = OptionValue(arguments, i);
  if (!value) return argument + " needs a value";
  if (name == "--drive") {
    options->drive_directories.push_back(*value);
  } else if (value->empty()) {
    return std::string("--simulate needs a profile name; \"--simulate list\" lists them");
  } else {
    options->simulate_profile = *value;
  }
  return std::nullopt;
}

std::optional<std::string> CheckProgramOptions(const ProgramOptions& options) {
  if (!options.simulate_profile.empty() && !options.drive_directories.empty()) {
    return std::string("--simulate and --drive cannot be used together");
  }
  return std::nullopt;
}

std::string InvalidOptionsText(std::string_view program, const std::string& message) {
  const std::string name(program);
  return name + ": " + message + "\nTry '" + name + " --help' for more information.\n";
}

std::string VersionText(std::string_view program, std::string_view version) {
  return std::string(program) + " " + std::string(version) + "\n";
}

}  // namespace vantric
