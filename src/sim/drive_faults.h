#pragma once

#include <cstdint>
#include <limits>

namespace vantric {

// Reads a simulated drive cannot serve, for trying out how the benchmark copes with a drive
// that fails. A faulty read costs the host's overhead and delivers nothing.
struct DriveFaults {
  // From this virtual time on every read fails, as when the disc is pulled out mid-run.
  double disc_removed_at_seconds = std::numeric_limits<double>::infinity();
  // Sectors from `first_bad_sector` up to, not including, `end_bad_sector` cannot be read, as
  // under a scratch.
  int64_t first_bad_sector = 0;
  int64_t end_bad_sector = 0;

  bool DiscRemovedBy(double seconds) const { return seconds >= disc_removed_at_seconds; }
  bool TouchesBadSector(int64_t first, int64_t count) const {
    return first < end_bad_sector && first + count > first_bad_sector;
  }
};

}  // namespace vantric
