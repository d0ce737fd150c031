#include "curve/whole_disc.h"

namespace vantric {

double WholeDisc::Percent(int64_t sectors) const {
  const int64_t all = Sectors();
  return all > 0 ? static_cast<double>(sectors) * 100 / static_cast<double>(all) : 0;
}

int64_t WholeDisc::UnreadableSectors() const {
  int64_t sectors = 0;
  for (const UnreadableRange& range : unreadable) sectors += range.end_sector - range.first_sector;
  return sectors;
}

double SectorMb(int64_t sector) { return static_cast<double>(sector) * SECTOR_SIZE / kBytesPerMb; }

}  // namespace vantric
