#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantric {

// vantric-cli compare FILE... [--with PROFILE[,PROFILE...]] [--json FILE] [--chart FILE.svg]:
// the result files side by side, with reference columns from simulated drives. `arguments`
// are those after "compare". Gives the exit code: 2 for invalid options and for a file that
// cannot be read, is not a result file, is of a newer format or of another kind than the
// first; 1 when the JSON or the chart could not be written.
int RunCompareCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);

}  // namespace vantric
