#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantric {

// The options every program of the benchmark takes, read the same way by each: NET in first
// place, --drive DIR (again and again), --simulate PROFILE, -h or --help, --version.
struct ProgramOptions {
  bool net = false;  // NET: network drives join the search for the test disc
  std::vector<std::string> drive_directories;
  std::string simulate_profile;  // empty: real drives; "list": print the profiles
  bool help = false;
  bool version = false;
};

// An option that takes a value, given as "--name=value" or as "--name value".
// The name of the option at `argument`: "--passes" of "--passes=3" as well as of "--passes".
std::string OptionName(const std::string& argument);
// Its value: after the equals sign, or the next argument (*i then moves on to it); nothing when
// neither is there.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, size_t* i);

// Reads the argument at `*i` when it is one of the options above, moving *i past a value it
// takes; `*taken` says whether it was. The message when it is one but cannot be used.
std::optional<std::string> ReadProgramOption(const std::vector<std::string>& arguments, size_t* i,
                                             ProgramOptions* options, bool* taken);

// What the options above cannot be together; for after every argument is read.
std::optional<std::string> CheckProgramOptions(const ProgramOptions& options);

// The lines of --help for NET, --drive and --simulate, and for --help and --version.
extern const char* const kProgramOptionsHelp;
extern const char* const kInformationOptionsHelp;

// "vantric-cli: MESSAGE", then where to look.
std::string InvalidOptionsText(std::string_view program, const std::string& message);
// "vantric-cli 1.65"
std::string VersionText(std::string_view program, std::string_view version);

}  // namespace vantric
