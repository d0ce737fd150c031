#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "engine/engine.h"
#include "results/curve_json.h"
#include "sim/machine.h"

namespace vantric {

// --whole-disc without --curve: the access and burst tests and the spin-up time on the whole
// disc the engine holds in place of the test file (source.disc). The report goes to stdout, and
// with --json the JSON (--json -: instead of the report). As for a run, a failed read (exit
// code 3) and Ctrl-C (130) write nothing.
int RunDiscAccessCommand(const CliOptions& options, Machine& machine, Engine& engine,
                         const CurveSource& source, std::ostream& out, std::ostream& err,
                         bool show_progress);

}  // namespace vantric
