#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantric {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitNoRun = 1;  // no disc, several discs, no counter, JSON not written
inline constexpr int kExitInvalidOptions = 2;
inline constexpr int kExitReadFailed = 3;  // a read of the test disc failed; nothing reported
inline constexpr int kExitCancelled = 130;

// The whole of vantric-cli after the program name: options, the test disc, the run, the
// report. Progress goes to `err` only when `err_is_terminal`.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           bool err_is_terminal);

}  // namespace vantric
