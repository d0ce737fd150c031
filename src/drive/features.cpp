#include "drive/features.h"

#include <algorithm>
#include <cstdio>

#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr size_t kHeaderBytes = 8;
constexpr uint16_t kProfileListFeature = 0x0000;

struct ProfileEntry {
  uint16_t number;
  const char* name;
};
constexpr ProfileEntry kProfileNames[] = {
    {0x0002, "removable disk"},
    {0x0008, "CD-ROM"},
    {0x0009, "CD-R"},
    {0x000A, "CD-RW"},
    {0x0010, "DVD-ROM"},
    {0x0011, "DVD-R"},
    {0x0012, "DVD-RAM"},
    {0x0013, "DVD-RW (restricted overwrite)"},
    {0x0014, "DVD-RW (sequential)"},
    {0x0015, "DVD-R DL (sequential)"},
    {0x0016, "DVD-R DL (layer jump)"},
    {0x001A, "DVD+RW"},
    {0x001B, "DVD+R"},
    {0x002A, "DVD+RW DL"},
    {0x002B, "DVD+R DL"},
    {0x0040, "BD-ROM"},
    {0x0041, "BD-R (sequential)"},
    {0x0042, "BD-R (random)"},
    {0x0043, "BD-RE"},
    {0x0050, "HD DVD-ROM"},
    {0x0051, "HD DVD-R"},
    {0x0052, "HD DVD-RAM"},
};

// The features that write a kind of disc, and the profiles each serves: a drive that lists a
// recordable profile reads such discs; it writes them only with one of these.
struct WriteFeature {
  uint16_t feature;
  uint16_t first_profile, last_profile;
  bool needs_write_bit;  // the feature's first data byte says whether it writes
};
constexpr WriteFeature kWriteFeatures[] = {
    {0x002D, 0x0009, 0x000A, false},  // CD Track at Once
    {0x002E, 0x0009, 0x000A, false},  // CD Mastering
    {0x002F, 0x0011, 0x0016, false},  // DVD-R/-RW Write
    {0x0020, 0x0012, 0x0012, false},  // Random Writable: DVD-RAM
    {0x002A, 0x001A, 0x001A, true},   // DVD+RW
    {0x002B, 0x001B, 0x001B, true},   // DVD+R
    {0x003A, 0x002A, 0x002A, true},   // DVD+RW Dual Layer
    {0x003B, 0x002B, 0x002B, true},   // DVD+R Dual Layer
    {0x0041, 0x0041, 0x0043, false},  // BD Write
};

}  // namespace

std::optional<Features> ParseFeatures(std::span<const uint8_t> data) {
  if (data.size() < kHeaderBytes) return std::nullopt;
  Features features;
  features.current_profile = static_cast<uint16_t>(Be16(data, 6));
  // The header's length counts what follows its own four bytes; trust no more than came.
  const size_t end = std::min(data.size(), size_t{Be32(data, 0)} + 4);
  std::vector<std::pair<uint16_t, uint16_t>> writable;  // profile ranges some feature writes
  for (size_t at = kHeaderBytes; at + 4 <= end;) {
    const uint16_t code = static_cast<uint16_t>(Be16(data, at));
    const size_t length = data[at + 3];
    const std::span<const uint8_t> body = data.subspan(at + 4, std::min(length, end - at - 4));
    if (code == kProfileListFeature) {
      for (size_t p = 0; p + 4 <= body.size(); p += 4) {
        features.profiles.push_back(
            {static_cast<uint16_t>(Be16(body, p)), (body[p + 2] & 0x01) != 0, false});
      }
    }
    for (const WriteFeature& write : kWriteFeatures) {
      if (write.feature == code && (!write.needs_write_bit || (!body.empty() && (body[0] & 1)))) {
        writable.emplace_back(write.first_profile, write.last_profile);
      }
    }
    at += 4 + length;
  }
  for (MediaProfile& profile : features.profiles) {
    for (const auto& [first, last] : writable) {
      if (profile.number >= first && profile.number <= last) profile.writes = true;
    }
  }
  return features;
}

std::string ProfileName(uint16_t profile) {
  for (const ProfileEntry& entry : kProfileNames) {
    if (entry.number == profile) return entry.name;
  }
  char text[24];
  std::snprintf(text, sizeof text, "profile 0x%04X", profile);
  return text;
}

}  // namespace vantric
