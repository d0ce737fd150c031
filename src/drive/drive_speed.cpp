#include "drive/drive_speed.h"

#include <cmath>

#include "drive/capabilities.h"
#include "drive/disc_layout.h"

namespace vantric {
namespace {

constexpr uint16_t kFastest = 0xFFFF;
constexpr size_t kStreamingDescriptorBytes = 28;
// A streaming request asks for so many kB in so many milliseconds.
constexpr uint32_t kStreamingMilliseconds = 1000;

}  // namespace

MmcAnswer DriveSpeed::Request(std::optional<double> x) {
  const double kbps = x ? std::nearbyint(*x * OneXDriveKbps(medium_)) : 0;
  if (medium_ == DiscMedium::kCd) {
    const uint16_t value = x ? static_cast<uint16_t>(std::fmin(kbps, kFastest - 1)) : kFastest;
    return mmc_.Tell(SetCdSpeedCdb(value));
  }
  std::vector<uint8_t> descriptor(kStreamingDescriptorBytes, 0);
  // Without a speed, the drive's own settings come back: its fastest.
  if (!x) descriptor[0] = 0x04;  // RDD
  PutBe32(descriptor, 8, static_cast<uint32_t>(disc_sectors_ > 0 ? disc_sectors_ - 1 : 0));
  const uint32_t kilobytes = static_cast<uint32_t>(kbps);
  for (size_t at : {12, 20}) {
    PutBe32(descriptor, at, kilobytes);
    PutBe32(descriptor, at + 4, kStreamingMilliseconds);
  }
  return mmc_.Tell(SetStreamingCdb(kStreamingDescriptorBytes), descriptor);
}

SpeedOutcome DriveSpeed::Set(std::optional<double> x) {
  SpeedOutcome outcome;
  const MmcAnswer answer = Request(x);
  outcome.ok = answer.ok;
  outcome.error = answer.error;
  outcome.x = Current();
  return outcome;
}

std::optional<double> DriveSpeed::Current() {
  if (medium_ != DiscMedium::kCd) {
    const MmcAnswer answer = mmc_.Ask(GetPerformanceCdb(0, 1), 8 + 16);
    const std::optional<ReadPerformance> performance =
        answer.ok ? ParsePerformance(answer.data) : std::nullopt;
    // A CAV drive reads its fastest at the outside: the speed a drive is set to is that one.
    if (performance && performance->end_kbps > 0) {
      return performance->end_kbps / OneXDriveKbps(medium_);
    }
  }
  const std::optional<Capabilities> abilities = ReadCapabilities(mmc_);
  if (!abilities || abilities->current_read_kbps == 0) return std::nullopt;
  return abilities->current_read_kbps / OneXDriveKbps(medium_);
}

std::optional<double> DriveSpeed::Top() {
  // The capabilities page counts in a CD's kB/s on many drives whatever the disc; a DVD's or a
  // BD's speeds are those GET PERFORMANCE lists.
  if (medium_ != DiscMedium::kCd) {
    constexpr uint16_t kDescriptors = 32;
    const MmcAnswer answer = mmc_.Ask(GetSpeedsCdb(kDescriptors), 8 + 16 * kDescriptors);
    const std::optional<uint32_t> fastest =
        answer.ok ? ParseFastestRead(answer.data) : std::nullopt;
    if (fastest) return *fastest / OneXDriveKbps(medium_);
  }
  const std::optional<Capabilities> abilities = ReadCapabilities(mmc_);
  if (!abilities || abilities->max_read_kbps == 0) return std::nullopt;
  return abilities->max_read_kbps / OneXDriveKbps(medium_);
}

}  // namespace vantric
