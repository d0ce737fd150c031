#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "engine/engine.h"
#include "platform/system.h"
#include "sim/machine.h"

namespace vantric {

// --whole-disc: the disc in the drive --device names, or in the one optical drive that holds a
// disc, in place of the test file: with --curve FILE read from its first sector to its last,
// with its unreadable ranges mapped; without it the access tests. No drive, no disc, several
// discs, a disc that cannot be opened or a --speed the drive refuses: exit code 1 and what was
// found.
int RunWholeDiscCommand(const CliOptions& options, Machine& machine, Engine& engine,
                        const LocalTime& now, std::ostream& out, std::ostream& err,
                        bool show_progress);

}  // namespace vantric
