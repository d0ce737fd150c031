#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace vantric::testing {

struct CliRun {
  int code;
  std::string out, err;
};

// vantric-cli with these arguments, in this process; stderr is no terminal unless `terminal`.
inline CliRun RunInProcess(const std::vector<std::string>& arguments, bool terminal = false) {
  std::ostringstream out, err;
  const int code = RunCli(arguments, out, err, terminal);
  return {code, out.str(), err.str()};
}

}  // namespace vantric::testing
