#include "platform/disc_medium.h"

#include "platform/disc_devices.h"

namespace vantric {
namespace {

constexpr int64_t kLongestCdBytes = int64_t{99} * 60 * 75 * 2048;
constexpr int64_t kLongestDvdBytes = 8'547'991'552;  // DVD+R with two layers

// The profile ranges of each medium: pressed, recordable and rewritable kinds, one and two
// layers.
struct ProfileRange {
  uint16_t first, last;
  DiscMedium medium;
};
constexpr ProfileRange kProfiles[] = {
    {kProfileCdRom, 0x000A, DiscMedium::kCd},    // CD-ROM, CD-R, CD-RW
    {kProfileDvdRom, 0x001B, DiscMedium::kDvd},  // DVD-ROM to DVD+R
    {0x002A, 0x002B, DiscMedium::kDvd},          // DVD+RW and DVD+R with two layers
    {kProfileBdRom, 0x0043, DiscMedium::kBd},    // BD-ROM, BD-R, BD-RE
};

}  // namespace

std::string_view MediumName(DiscMedium medium) {
  switch (medium) {
    case DiscMedium::kCd:
      return "CD";
    case DiscMedium::kDvd:
      return "DVD";
    case DiscMedium::kBd:
      return "BD";
  }
  return "";
}

int64_t OneXBytesPerSecond(DiscMedium medium) {
  switch (medium) {
    case DiscMedium::kCd:
      return 75 * 2048;
    case DiscMedium::kDvd:
      return 1'385'000;
    case DiscMedium::kBd:
      return 4'495'500;
  }
  return 0;
}

double OneXKbps(DiscMedium medium) {
  return static_cast<double>(OneXBytesPerSecond(medium)) / 1024;
}

double OneXDriveKbps(DiscMedium medium) {
  switch (medium) {
    case DiscMedium::kCd:
      return 176.4;
    case DiscMedium::kDvd:
      return 1385;
    case DiscMedium::kBd:
      return 4495.5;
  }
  return 176.4;
}

std::string OneXText(DiscMedium medium) {
  return OneXText(MediumName(medium), OneXBytesPerSecond(medium));
}

std::string OneXText(std::string_view name, int64_t bytes_per_second) {
  const std::string digits = std::to_string(bytes_per_second);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return std::string(name) + " 1X = " + grouped + " B/s";
}

MediumFound FindMedium(std::optional<uint16_t> current_profile, int64_t disc_bytes) {
  if (current_profile) {
    for (const ProfileRange& range : kProfiles) {
      if (*current_profile >= range.first && *current_profile <= range.last) {
        return {range.medium, true};
      }
    }
  }
  if (disc_bytes > kLongestDvdBytes) return {DiscMedium::kBd, false};
  if (disc_bytes > kLongestCdBytes) return {DiscMedium::kDvd, false};
  return {DiscMedium::kCd, false};
}

uint16_t PressedDiscProfile(DiscMedium medium) {
  // Each medium's ranges begin with its pressed kind.
  for (const ProfileRange& range : kProfiles) {
    if (range.medium == medium) return range.first;
  }
  return kProfileCdRom;
}

}  // namespace vantric
