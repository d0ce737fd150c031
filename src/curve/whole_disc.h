#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "curve/transfer_curve.h"
#include "platform/disc_medium.h"

namespace vantric {

// A whole disc read instead of the test file: its drive, medium and size, and what the read
// scan could not read.
struct WholeDisc {
  std::string device;  // "/dev/sr0", "E:"
  MediumFound medium;
  int64_t bytes = 0;
  std::vector<UnreadableRange> unreadable;

  int64_t Sectors() const { return bytes / SECTOR_SIZE; }
  // The share of the disc that `sectors` make up, in percent.
  double Percent(int64_t sectors) const;
  int64_t UnreadableSectors() const;
};

// Where a sector starts, in MB of 1,048,576 bytes.
double SectorMb(int64_t sector);

}  // namespace vantric
