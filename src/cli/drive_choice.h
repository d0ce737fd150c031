#pragma once

#include <string>

#include "platform/disc_devices.h"

namespace vantric {

// The optical drive a command works on: the one --device names (`named`), or else the one
// drive that holds a disc; with `disc_needed` false also the only drive there is, with or
// without a disc. Empty, with what was found and how to name a drive in *problem, when no drive
// is found or several would do; with `disc_needed`, also when the drive holds no disc it can
// read. `*several`, when given, says whether several drives would do.
std::string ChooseDrive(DiscDevices& devices, const std::string& named, bool disc_needed,
                        std::string* problem, bool* several = nullptr);

}  // namespace vantric
