#include "drive/drive_info.h"

#include "drive/drive_speed.h"
#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr uint32_t kPollMs = 100;
constexpr uint16_t kFeatureBytes = 4096;
constexpr uint16_t kTocBytes = 2048;
constexpr uint16_t kFullTocBytes = 4096;
constexpr uint16_t kDiscInformationBytes = 34;
constexpr uint16_t kCapacityBytes = 8;
constexpr double kCdSectorsPerMinute = 75 * 60;

bool BecomingReady(const Sense& sense) {
  return sense.key == kSenseNotReady && sense.asc == 0x04 && sense.ascq == 0x01;
}

DiscPresence Presence(Mmc& mmc, Clock& clock, std::string* reason) {
  for (uint32_t waited = 0;; waited += kPollMs) {
    const MmcAnswer ready = mmc.Tell(TestUnitReadyCdb());
    if (ready.ok) return DiscPresence::kReady;
    if (ready.sense && NoMedium(*ready.sense)) return DiscPresence::kNone;
    // A unit attention (the disc may have changed) is told once; the next answer is the state.
    const bool attention = ready.sense && ready.sense->key == kSenseUnitAttention;
    const bool spinning_up = ready.sense && BecomingReady(*ready.sense);
    if ((!attention && !spinning_up) || waited >= kReadyWaitMs) {
      *reason = ready.error;
      return DiscPresence::kNotReady;
    }
    if (spinning_up) clock.Sleep(kPollMs);
  }
}

DiscInfo AskDisc(Mmc& mmc, const std::optional<Features>& features) {
  DiscInfo disc;
  if (features && features->current_profile != 0) disc.profile = features->current_profile;
  const MmcAnswer capacity = mmc.Ask(ReadCapacityCdb(), kCapacityBytes);
  if (capacity.ok) disc.capacity = ParseCapacity(capacity.data);
  const MmcAnswer toc = mmc.Ask(ReadTocCdb(0, 1, kTocBytes), kTocBytes);
  if (toc.ok) disc.toc = ParseToc(toc.data);
  if (disc.toc) {
    const MmcAnswer full = mmc.Ask(ReadTocCdb(2, 1, kFullTocBytes), kFullTocBytes);
    if (full.ok) ApplyFullToc(full.data, *disc.toc);
  }
  const MmcAnswer information =
      mmc.Ask(ReadDiscInformationCdb(kDiscInformationBytes), kDiscInformationBytes);
  if (information.ok) disc.information = ParseDiscInformation(information.data);
  disc.medium = FindMedium(disc.profile, DiscBytes(disc).value_or(0));
  return disc;
}

}  // namespace

DriveInfo GatherDriveInfo(Mmc& mmc, Clock& clock, const std::string& device,
                          const std::string& bus) {
  DriveInfo info;
  info.device = device;
  info.bus = bus;
  info.inquiry = ReadInquiry(mmc);
  info.serial = ReadUnitSerial(mmc);
  info.presence = Presence(mmc, clock, &info.not_ready);
  const MmcAnswer features = mmc.Ask(GetConfigurationCdb(0, kFeatureBytes), kFeatureBytes);
  if (features.ok) info.features = ParseFeatures(features.data);
  info.capabilities = ReadCapabilities(mmc);
  int64_t disc_sectors = 0;
  if (info.presence == DiscPresence::kReady) {
    info.disc = AskDisc(mmc, info.features);
    info.speed_medium = info.disc->medium.medium;
    if (info.disc->capacity) disc_sectors = info.disc->capacity->sectors;
  }
  DriveSpeed speed(mmc, info.speed_medium, disc_sectors);
  info.top_x = speed.Top();
  info.current_x = speed.Current();
  return info;
}

std::optional<int64_t> DiscBytes(const DiscInfo& disc) {
  if (!disc.capacity) return std::nullopt;
  return disc.capacity->sectors * disc.capacity->sector_bytes;
}

double CdMinutes(int64_t sectors) { return static_cast<double>(sectors) / kCdSectorsPerMinute; }

}  // namespace vantric
