#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantric {

// One kind of disc a drive can use, as GET CONFIGURATION's profile list names it.
struct MediaProfile {
  uint16_t number = 0;
  bool current = false;  // the disc in the drive is of this kind
  bool writes = false;   // the drive has a feature that writes it
};

// What GET CONFIGURATION says: the current profile (0: no disc) and every profile the drive
// supports, in the drive's order, which has the newest media first.
struct Features {
  uint16_t current_profile = 0;
  std::vector<MediaProfile> profiles;
};

// Nothing for an answer too short for its header.
std::optional<Features> ParseFeatures(std::span<const uint8_t> data);

// "CD-ROM", "DVD+R DL", "BD-RE"; "profile 0x0060" for one without a name here.
std::string ProfileName(uint16_t profile);

}  // namespace vantric
