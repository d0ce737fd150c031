#include "engine/engine.h"
#include "engine/rounding.h"

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

}  // namespace

double Engine::RunSeekOverheadTest() {
  Announce("Current Test: Seek Overhead");
  ReadSectorAt(1);
  Clock& clock = platform_.clock;
  int64_t total = 0;
  for (int i = 1; i <= kOverheadSteps; ++i) {
    if (ReachProgressPoint(static_cast<int>(Round(i / 8.0 * 100)))) break;
    ReadSectorAt(130000 + 1234 * i);
    ReadSectorAt(25000 + 1234 * i);
    const int64_t before = clock.Counter();
    ReadSectorAt(25001 + 1234 * i);
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
    ReadSectorAt(270000 + 32 * i);
    ReadSectorAt(32 * i);
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
