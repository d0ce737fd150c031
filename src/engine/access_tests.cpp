#include <algorithm>

#include "engine/disc_places.h"
#include "engine/engine.h"
#include "engine/rounding.h"
#include "engine/test_positions.h"
#include "engine/test_reach.h"

namespace vantric {
namespace {

// The random-access positions: a fixed-seed linear congruential generator, so every run
// visits the same 200 sectors in the same order.
class AccessPositions {
 public:
  explicit AccessPositions(int64_t span) : span_(static_cast<uint64_t>(span)) {}

  int32_t Next() {
    state_ = state_ * 134775813u + 1u;
    return static_cast<int32_t>((static_cast<uint64_t>(state_) * span_) >> 32);
  }

 private:
  uint32_t state_ = 0x14DA7B20u;
  uint64_t span_;
};

constexpr int kOverheadSteps = 8;

}  // namespace

std::array<int32_t, kRandomSteps> RandomAccessPositions(int64_t span) {
  std::array<int32_t, kRandomSteps> positions;
  AccessPositions generator(span);
  for (int32_t& position : positions) position = generator.Next();
  return positions;
}

int64_t SeekOverheadLastSector() {
  return kOverheadAwaySector + int64_t{kOverheadStride} * kOverheadSteps;
}

int64_t FullStrokeLastSector() {
  return kFullStrokeFarSector + int64_t{kStrokeStride} * kStrokeSteps;
}

int64_t RandomAccessLastSector() {
  int64_t last = 1;
  for (int32_t position : RandomAccessPositions(kRandomAccessSpan)) {
    last = std::max<int64_t>(last, position);
  }
  return last;
}

double Engine::RunSeekOverheadTest() {
  return TimeSeekOverhead(kOverheadAwaySector, kOverheadBackSector, kOverheadStride);
}

double Engine::RunFullStrokeTest() {
  return TimeStroke("Current Test: Full Stroke Seek", 0, kFullStrokeFarSector);
}

double Engine::RunRandomAccessTest() { return TimeRandomAccess(kRandomAccessSpan); }

double Engine::TimeSeekOverhead(int32_t away, int32_t back, int32_t stride) {
  Announce("Current Test: Seek Overhead");
  ReadSectorAt(1);
  Clock& clock = platform_.clock;
  int64_t total = 0;
  for (int i = 1; i <= kOverheadSteps; ++i) {
    if (ReachProgressPoint(static_cast<int>(Round(i / 8.0 * 100)))) break;
    ReadSectorAt(away + stride * i);
    ReadSectorAt(back + stride * i);
    const int64_t before = clock.Counter();
    ReadSectorAt(back + 1 + stride * i);
    total += clock.Counter() - before;
  }
  // Always the mean of eight, even when cancelled early.
  return Seconds(total) * 1000 * 0.125;
}

double Engine::TimeStroke(const std::string& caption, int32_t near_sector, int32_t far_sector) {
  Announce(caption);
  ReadSectorAt(near_sector + 1);
  Clock& clock = platform_.clock;
  const int64_t start = clock.Counter();
  for (int i = 1; i <= kStrokeSteps; ++i) {
    if (ReachProgressPoint(static_cast<int>(Round(i / 32.0 * 100)))) break;
    ReadSectorAt(far_sector + kStrokeStride * i);
    ReadSectorAt(near_sector + kStrokeStride * i);
  }
  const int64_t end = clock.Counter();
  return Seconds(end - start) * 1000 * (1.0 / 64) - baselines_->SeekOverhead;
}

double Engine::TimeRandomAccess(int64_t span) {
  Announce("Current Test: Random Seek");
  const std::array<int32_t, kRandomSteps> positions = RandomAccessPositions(span);

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
