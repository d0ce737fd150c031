#include "curve/whole_disc.h"

#include "drive/audio_reader.h"

namespace vantric {

int WholeDisc::SectorBytes() const { return audio ? kAudioSectorBytes : SECTOR_SIZE; }

double WholeDisc::Percent(int64_t sectors) const {
  const int64_t all = Sectors();
  return all > 0 ? static_cast<double>(sectors) * 100 / static_cast<double>(all) : 0;
}

double WholeDisc::PositionMb(int64_t sector) const { return Mb(sector - first_sector); }

double WholeDisc::Mb(int64_t sectors) const {
  return static_cast<double>(sectors) * SectorBytes() / kBytesPerMb;
}

std::string_view WholeDisc::RateMedium() const {
  return audio ? "CD-DA" : MediumName(medium.medium);
}

int64_t WholeDisc::OneXBytes() const {
  return audio ? kCdDaOneXBytesPerSecond : OneXBytesPerSecond(medium.medium);
}

std::string WholeDisc::OneXText() const { return vantric::OneXText(RateMedium(), OneXBytes()); }

int64_t SectorsIn(const std::vector<UnreadableRange>& ranges) {
  int64_t sectors = 0;
  for (const UnreadableRange& range : ranges) sectors += range.end_sector - range.first_sector;
  return sectors;
}

}  // namespace vantric
