#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "drive/held_speed.h"

namespace vantric {

// --speed for a run, a curve or the access tests, on the drive at `device` (empty: the test file
// is on no optical drive). Sets the drive's read speed, names on `err` the speed asked for and
// the one the drive chose, and holds it until *hold ends; *record is for the JSON. Without
// --speed it does nothing. False, having said why, when the run must not start: the drive takes
// no commands or refuses the speed, and the user did not ask for max.
bool HoldReadSpeed(const CliOptions& options, DiscDevices& devices, const std::string& device,
                   std::unique_ptr<HeldSpeed>* hold, std::optional<SpeedRecord>* record,
                   std::ostream& err);

}  // namespace vantric
