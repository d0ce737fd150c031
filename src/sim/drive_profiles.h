#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sim/drive_faults.h"
#include "sim/drive_parameters.h"

namespace vantric {

// A named simulated drive, as chosen with --simulate NAME.
struct DriveProfile {
  std::string_view name;
  std::string_view description;  // one line for --simulate list
  DriveParameters parameters;
  // What the disc in the drive does not read; nothing on a sound disc.
  DriveFaults faults;
};

std::span<const DriveProfile> DriveProfiles();
// nullptr when no profile has that name (names are matched exactly).
const DriveProfile* FindDriveProfile(std::string_view name);
// One line per profile: the name, padded, then its description.
std::string DriveProfileListText();

}  // namespace vantric
