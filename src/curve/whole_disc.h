#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "curve/transfer_curve.h"
#include "platform/disc_medium.h"

namespace vantric {

// A whole disc read instead of the test file: its drive, medium and size, and what the read
// scan could not read. Or a CD's audio read as CD-DA: from `first_sector` on in sectors of
// 2,352 bytes, its rates in X of 176,400 B/s, with the sectors that came with C2 errors.
struct WholeDisc {
  std::string device;  // "/dev/sr0", "E:"
  MediumFound medium;
  int64_t bytes = 0;  // what was read
  // In the disc's sectors.
  std::vector<UnreadableRange> unreadable;
  bool audio = false;
  int64_t first_sector = 0;
  std::vector<UnreadableRange> c2_errors;

  int SectorBytes() const;
  int64_t Sectors() const { return bytes / SectorBytes(); }
  // The share of what was read that `sectors` make up, in percent.
  double Percent(int64_t sectors) const;
  // Where a sector of the disc lies in what was read, and what `sectors` hold, in MB of
  // 1,048,576 bytes.
  double PositionMb(int64_t sector) const;
  double Mb(int64_t sectors) const;
  // What the rates are in: the medium's X, or CD-DA's.
  std::string_view RateMedium() const;  // "CD", "DVD", "BD", "CD-DA"
  int64_t OneXBytes() const;
  std::string OneXText() const;  // "CD-DA 1X = 176,400 B/s"
};

int64_t SectorsIn(const std::vector<UnreadableRange>& ranges);

}  // namespace vantric
