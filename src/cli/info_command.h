#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sim/machine.h"

namespace vantric {

// vantric-cli info [--device DEV] [--json FILE]: what the drive says of itself and of the disc
// in it, through its own commands, as text on stdout and, with --json, as JSON (--json -: on
// stdout instead). `arguments` are those after "info". Gives the exit code: 2 for invalid
// options, 1 when no drive, several drives or a drive that takes no commands leave none to
// ask, or the JSON could not be written.
int RunInfoCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The same on `machine`'s drives, with the options read.
int RunInfoOn(const std::string& device, const std::string& json_path, Machine& machine,
              std::ostream& out, std::ostream& err);

}  // namespace vantric
