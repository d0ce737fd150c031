#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "drive/capabilities.h"
#include "drive/disc_layout.h"
#include "drive/features.h"
#include "drive/identity.h"
#include "platform/clock.h"
#include "platform/disc_medium.h"

namespace vantric {

class Mmc;

// Whether the drive holds a disc it can read, as TEST UNIT READY says.
enum class DiscPresence { kReady, kNone, kNotReady };

// The disc in the drive, each part from the command that tells it.
struct DiscInfo {
  std::optional<uint16_t> profile;  // GET CONFIGURATION's current profile
  MediumFound medium;               // from the profile, or from the size
  std::optional<Capacity> capacity;
  std::optional<DiscToc> toc;
  std::optional<DiscInformation> information;
};

// What a drive says of itself and of its disc. Each part is the answer to one command, and
// nothing where the drive gave none: a drive that does not answer leaves a part unknown, never
// zero.
struct DriveInfo {
  std::string device;
  std::optional<InquiryData> inquiry;
  std::optional<std::string> serial;
  std::string bus;                           // empty when the system does not say
  std::optional<Capabilities> capabilities;  // loader, buffer, audio reading, CD speeds
  std::optional<Features> features;          // the media it reads and writes
  // The speeds in the X of `speed_medium`: the disc's medium, a CD's without a disc.
  DiscMedium speed_medium = DiscMedium::kCd;
  std::optional<double> top_x;
  std::optional<double> current_x;
  DiscPresence presence = DiscPresence::kNotReady;
  std::string not_ready;         // the drive's reason, when it is not ready
  std::optional<DiscInfo> disc;  // with a disc that is ready
};

// Asks the drive everything DriveInfo holds. A disc that is still spinning up is waited for,
// at most kReadyWaitMs, on `clock`.
inline constexpr uint32_t kReadyWaitMs = 20'000;
DriveInfo GatherDriveInfo(Mmc& mmc, Clock& clock, const std::string& device,
                          const std::string& bus);

// The disc's size, its medium and, for a CD, its length in minutes at 75 sectors a second.
std::optional<int64_t> DiscBytes(const DiscInfo& disc);
double CdMinutes(int64_t sectors);

}  // namespace vantric
