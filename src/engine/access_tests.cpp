#include <algorithm>

#include "engine/engine.h"
#include "engine/rounding.h"
#include "engine/test_reach.h"

namespace vantric {
namespace {

// The random-access positions: a fixed-seed linear congruential generator, so every run
// visits the same 200 sectors in the same order.
class AccessPositions {
 public:
  int32_t Next() {
    state_ = state_ * 134775813u + 1u;
    return static_cast<int32_t>((static_cast<uint64_t>(state_) * 270000u) >> 32);
  }

 private:
  uint32_t state_ = 0x14DA7B20u;
};

constexpr int kOverheadSteps = 8;
constexpr int kFullStrokeSteps = 32;
constexpr int kRandomSteps = 200;

// Seek overhead step i moves away, comes back, then times the read of the very next sector.
constexpr int32_t kOverheadAwaySector = 130000;
constexpr int32_t kOverheadBackSector = 25000;
constexpr int32_t kOverheadStride = 1234;
// Full stroke step i reads far out, then near the start, each 32 sectors on from the last.
constexpr int32_t kFullStrokeFarSector = 270000;
constexpr int32_t kFullStrokeStride = 32;

}  // namespace

int64_t SeekOverheadLastSector() {
  return kOverheadAwaySector + int64_t{kOverheadStride} * kOverheadSteps;
}

int64_t FullStrokeLastSector() {
  return kFullStrokeFarSector + int64_t{kFullStrokeStride} * kFullStrokeSteps;
}

int64_t RandomAccessLastSector() {
  AccessPositions generator;
  int64_t last = 1;
  for (int i = 0; i < kRandomSteps; ++i) last = std::max<int64_t>(last, generator.Next());
  return last;
}

double Engine::RunSeekOverheadTest() {
  Announce("Current Test: Seek Overhead");
  ReadSectorAt(1);
  Clock& clock = platform_.clock;
  int64_t total = 0;
  for (int i = 1; i <= kOverheadSteps; ++i) {
    if (ReachProgressPoint(static_cast<int>(Round(i / 8.0 * 100)))) break;
    ReadSectorAt(kOverheadAwaySector + kOverheadStride * i);
    ReadSectorAt(kOverheadBackSector + kOverheadStride * i);
    const int64_t before = clock.Counter();
    ReadSectorAt(kOverheadBackSector + 1 + kOverheadStride * i);
    total += clock.Counter() - before;
  }
  // Always the mean of eight, even when cancelled early.
  return Seconds(total) * 1000 * 0.125;
}

double Engine::RunFullStrokeTest() {
  Announce("Current Test: Full Stroke Seek");
  ReadSectorAt(1);
  Clock& clock = platform_.clock;
  const int64_t start = clock.Counter();
  for (int i = 1; i <= kFullStrokeSteps; ++i) {
    if (ReachProgressPoint(static_cast<int>(Round(i / 32.0 * 100)))) break;
    ReadSectorAt(kFullStrokeFarSector + kFullStrokeStride * i);
    ReadSectorAt(kFullStrokeStride * i);
  }
  const int64_t end = clock.Counter();
  return Seconds(end - start) * 1000 * (1.0 / 64) - baselines_->SeekOverhead;
}

double Engine::RunRandomAccessTest() {
  Announce("Current Test: Random Seek");
  std::array<int32_t, kRandomSteps> positions;
  AccessPositions generator;
  for (int32_t& position : positions) position = generator.Next();

  ReadSectorAt(1);
  Clock& clock = platform_.clock;
  const int64_t start = clock.Counter();
  for (int i = 1; i <= kRandomSteps; ++i) {
    if (i % 10 == 0 && ReachProgressPoint(static_cast<int>(Round(i * 0.005 * 100)))) break;
    ReadSectorAt(positions[i - 1]);
  }
  const int64_t end = clock.Counter();
  return Seconds(end - start) * 1000 * 0.005 - baselines_->SeekOverhead;
}

}  // namespace vantric
