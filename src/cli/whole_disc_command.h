#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "engine/engine.h"
#include "platform/system.h"
#include "sim/machine.h"

namespace vantric {

// --curve FILE --whole-disc: the disc in the drive --device names, or in the one optical drive
// that holds a disc, read from its first sector to its last in place of the test file, with its
// unreadable ranges mapped. No drive, no disc, several discs or a disc that cannot be opened:
// exit code 1 and what was found.
// The one drive that holds a disc; empty, with what was found in *problem, when there is not
// exactly one. `*several`, when given, says whether more than one holds a disc.
std::string FindDiscDrive(DiscDevices& devices, std::string* problem, bool* several = nullptr);
// The drive `asked` names (--device), or failing that the one that holds a disc; with what keeps
// it from being read in *problem.
std::string ChooseDiscDrive(DiscDevices& devices, const std::string& asked, std::string* problem,
                            bool* several = nullptr);

int RunWholeDiscCommand(const CliOptions& options, Machine& machine, Engine& engine,
                        const LocalTime& now, std::ostream& out, std::ostream& err,
                        bool show_progress);

}  // namespace vantric
