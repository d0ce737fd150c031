#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace vantric {

// Sectors from `first` up to, not including, `end`.
struct SectorRange {
  int64_t first = 0;
  int64_t end = 0;
};

// Reads a simulated drive cannot serve, or serves slowly, for trying out how the benchmark copes
// with a worn disc or a failing drive. A failed read costs the host's overhead and delivers
// nothing.
struct DriveFaults {
  // From this virtual time on every read fails, as when the disc is pulled out mid-run.
  double disc_removed_at_seconds = std::numeric_limits<double>::infinity();
  // Sectors that cannot be read, as under a scratch.
  std::vector<SectorRange> unreadable;
  // How long a read of them takes before it fails: a drive tries again and again.
  double bad_read_seconds = 0;
  // From `first_slow_sector` up to `end_slow_sector` the media reads `slow_factor` times slower,
  // as where a drive slows down to get through a weak spot.
  int64_t first_slow_sector = 0;
  int64_t end_slow_sector = 0;
  double slow_factor = 1;

  bool DiscRemovedBy(double seconds) const { return seconds >= disc_removed_at_seconds; }
  bool TouchesBadSector(int64_t first, int64_t count) const {
    for (const SectorRange& range : unreadable) {
      if (first < range.end && first + count > range.first) return true;
    }
    return false;
  }
  bool IsSlow(double sector) const {
    return sector >= static_cast<double>(first_slow_sector) &&
           sector < static_cast<double>(end_slow_sector);
  }
};

}  // namespace vantric
