#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "engine/engine.h"
#include "results/curve_json.h"

namespace vantric {

// Measures the transfer-rate curve of the open test file instead of running the benchmark, or
// the read scan of the whole disc open in its place (source.disc), writes the --curve file and
// the text report, and gives the exit code: as for a run, a failed read and Ctrl-C write
// nothing. A read scan writes both with the ranges it could not read, and gives exit code 3
// when there are any.
int RunCurveCommand(const CliOptions& options, Engine& engine, const CurveSource& source,
                    std::ostream& out, std::ostream& err, bool show_progress);

// "Error reading the disc in /dev/sr0 at sector 3336: No medium found."
std::string DiscReadFailureMessage(const Engine& engine, const std::string& device,
                                   const ReadFailure& failure);

}  // namespace vantric
