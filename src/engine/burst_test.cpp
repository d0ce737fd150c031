#include "engine/engine.h"
#include "engine/rounding.h"
#include "engine/test_positions.h"
#include "engine/test_reach.h"

namespace vantric {
namespace {

constexpr int kMeasurements = 16;
constexpr double kFillMilliseconds = 250;
constexpr double kNoBurstResult = 9999;
// Measurement i reads two single sectors after its first before the timed block.
constexpr int32_t kSectorsBeforeTimedRead = 3;

// The slowest burst worth keeping: 1,000,000 counts of a 1,193,182 Hz counter (0.84 s). Held
// as a duration, so that a faster counter does not turn it into a millisecond and discard
// every read of a slow drive.
int64_t StartingBestTime(int64_t counter_frequency) {
  return Round(1e6 * static_cast<double>(counter_frequency) / 1193182.0);
}

}  // namespace

int64_t BurstTestLastSector(int32_t block_size) {
  return kBurstFirstSector + int64_t{kBurstStride} * kMeasurements + kSectorsBeforeTimedRead +
         block_size - 1;
}

double Engine::RunBurstTest(int32_t block_size) {
  return TimeBurst(block_size, kBurstFirstSector, kBurstStride);
}

double Engine::TimeBurst(int32_t block_size, int32_t first_sector, int32_t stride) {
  Announce("Current Test: " + std::to_string(2 * static_cast<int64_t>(block_size)) + "k Burst");
  Clock& clock = platform_.clock;
  int64_t best = StartingBestTime(CounterFrequency);
  for (int i = 1; i <= kMeasurements; ++i) {
    if (ReachProgressPoint(static_cast<int>(Round(i / 16.0 * 100)))) break;
    ReadSectorAt(first_sector + stride * i);
    ReadSequential(1);
    ReadSequential(1);
    // Lets the drive fill its buffer with the sectors that follow.
    PaceUntil(kFillMilliseconds);
    const int64_t before = clock.Counter();
    ReadSequential(block_size);
    const int64_t elapsed = clock.Counter() - before;
    if (elapsed < best) best = elapsed;
  }
  const double counts_per_sector = static_cast<double>(best) / block_size;
  if (counts_per_sector > 0) return static_cast<double>(CounterFrequency) / counts_per_sector * 2;
  return kNoBurstResult;
}

}  // namespace vantric
