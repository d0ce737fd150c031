#pragma once

#include <optional>
#include <string>

#include "cli/result_file.h"

namespace vantric {

// Reference columns for `compare --with`, measured afresh each time on a simulated drive, so
// that they follow the program rather than a stored table. Nothing, with a message in *error,
// for an unknown profile or a run that did not complete (Ctrl-C).

// A run of the default tests, one pass, read back from the JSON such a run writes.
std::optional<ResultFile> SimulatedRunResult(const std::string& profile, std::string* error);

// A quick transfer-rate curve, read back from the JSON such a curve writes.
std::optional<ResultFile> SimulatedCurveResult(const std::string& profile, std::string* error);

}  // namespace vantric
