#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"

namespace vantric {

class Mmc;

// How long the drive takes to stop its disc, and to deliver data again once stopped.
struct SpinTimes {
  std::optional<double> spin_down_ms;  // START STOP UNIT's stop, from the command to its end
  std::optional<double> spin_up_ms;    // the next read, from the command to its data
  std::string error;                   // why one is unknown
};

// Stops the disc, then times a read of `sector`, which should be one the drive has not read
// lately, so that its buffer cannot serve it: the read waits for the disc to spin up, and its
// time is that wait, the seek and the sector's own read. Times come from `clock`.
SpinTimes MeasureSpinUp(Mmc& mmc, Clock& clock, int64_t sector);

}  // namespace vantric
