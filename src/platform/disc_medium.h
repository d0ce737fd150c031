#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantric {

// The kinds of disc a drive can hold, told apart by a whole-disc curve: each has its own single
// speed.
enum class DiscMedium { kCd, kDvd, kBd };

std::string_view MediumName(DiscMedium medium);  // "CD", "DVD", "BD"
// What 1X is on the medium, in bytes per second: 153,600 (75 sectors of 2048 bytes), 1,385,000
// and 4,495,500.
int64_t OneXBytesPerSecond(DiscMedium medium);
// The same in KB of 1024 bytes, as the curve's rates are: 150 for a CD.
double OneXKbps(DiscMedium medium);
// What 1X is on the medium as drive commands count speeds, in kB/s of 1000 bytes: 176.4 for a
// CD (75 sectors of 2,352 bytes a second, as they come off the disc), 1,385 for a DVD and
// 4,495.5 for a BD.
double OneXDriveKbps(DiscMedium medium);
// "DVD 1X = 1,385,000 B/s"
std::string OneXText(DiscMedium medium);
// The same of what is named `name` and reads `bytes_per_second` at 1X.
std::string OneXText(std::string_view name, int64_t bytes_per_second);

// The medium of the disc in a drive, and whether the drive said so (its current profile) or
// its size had to tell.
struct MediumFound {
  DiscMedium medium = DiscMedium::kCd;
  bool from_drive = false;
};

// From the drive's current profile when it names a CD, a DVD or a BD; otherwise from the size:
// what is longer than the longest CD (99 minutes) is a DVD, and what is longer than a DVD with
// two layers is a BD.
MediumFound FindMedium(std::optional<uint16_t> current_profile, int64_t disc_bytes);

// The current profile a drive reports for a pressed disc of the medium.
uint16_t PressedDiscProfile(DiscMedium medium);

}  // namespace vantric
