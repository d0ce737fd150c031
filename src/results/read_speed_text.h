#pragma once

#include <optional>
#include <string>

#include "drive/held_speed.h"

namespace vantric {

// "Read speed: 10X asked, 8.0X set by the drive (CD)": the speed asked for and the one the
// drive chose, or why the drive goes at its own.
std::string ReadSpeedLine(const SpeedRecord& record, const std::string& not_set_reason);

// {"Asked": "10X", "AskedX": 10, "Set": true, "X": 8, "Medium": "CD"}: AskedX null for max, X
// null when the drive does not say; the whole null without --speed.
std::string JsonReadSpeed(const std::optional<SpeedRecord>& record);

}  // namespace vantric
