#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "sim/machine.h"

namespace vantric {

inline constexpr int kExitCompleted = 0;
// No disc, several discs, no counter; or the run completed but its log or JSON file could not
// be written.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitInvalidOptions = 2;
inline constexpr int kExitReadFailed = 3;  // a read of the test disc failed; nothing reported
inline constexpr int kExitCancelled = 130;

// Writes a JSON file whole, or for "-" the JSON to `out`; false when it could not be written.
bool WriteJsonOutput(const std::string& path, const std::string& json, std::ostream& out);

// Says what is wrong with the command line, and where to look; gives the exit code.
int InvalidOptions(std::ostream& err, const std::string& message);

// The whole of vantric-cli after the program name: options, the test disc, the run, the
// report. Progress goes to `err` only when `err_is_terminal`.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           bool err_is_terminal);

// What follows the checks of the options: the search for the test disc on `machine`, the run
// and the report.
int RunCliOn(const CliOptions& options, Machine& machine, std::ostream& out, std::ostream& err,
             bool show_progress);

}  // namespace vantric
