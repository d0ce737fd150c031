#pragma once

#include <functional>
#include <optional>
#include <string>

#include "results/result_file.h"

namespace vantric {

// Reference columns for `compare --with`, measured afresh each time on a simulated drive, so
// that they follow the program rather than a stored table. Each is read back from the JSON its
// run or curve writes, so that it holds exactly what a file of it would. Nothing, with a
// message in *error, for an unknown profile or a run that did not complete: `cancel_requested`
// is asked whenever the run lets messages through (Ctrl-C).

// A run of the default tests, one pass.
std::optional<ResultFile> SimulatedRunResult(const std::string& profile,
                                             const std::function<bool()>& cancel_requested,
                                             std::string* error);

// A quick transfer-rate curve.
std::optional<ResultFile> SimulatedCurveResult(const std::string& profile,
                                               const std::function<bool()>& cancel_requested,
                                               std::string* error);

}  // namespace vantric
