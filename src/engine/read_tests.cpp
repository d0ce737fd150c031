#include "engine/engine.h"
#include "engine/rounding.h"
#include "engine/test_reach.h"

namespace vantric {

// The two sequential read tests differ only in these numbers.
struct ReadTestShape {
  const char* caption;
  int32_t sectors_per_block;
  int blocks_per_trial;
  int progress_every;  // a progress point before every this-many-th block
};

namespace {

constexpr int kTrials = 4;
constexpr int kUntimedBlocks = 4;
constexpr double kKilobytesPerTrial = 512;

constexpr ReadTestShape k16kShape = {"Current Test: Read 16k", 8, 32, 2};
constexpr ReadTestShape k2kShape = {"Current Test: Read 2k", 1, 256, 8};

// The positioning read, the untimed blocks and the four trials follow each other.
int64_t LastSectorOf(const ReadTestShape& shape, int32_t start_sector) {
  const int64_t blocks = kUntimedBlocks + int64_t{kTrials} * shape.blocks_per_trial;
  return start_sector + blocks * shape.sectors_per_block;
}

}  // namespace

int64_t Read16kTestLastSector(int32_t start_sector) {
  return LastSectorOf(k16kShape, start_sector);
}

int64_t Read2kTestLastSector(int32_t start_sector) { return LastSectorOf(k2kShape, start_sector); }

double Engine::RunReadTest(const ReadTestShape& shape, int32_t start_sector) {
  Announce(shape.caption);
  // Gets the drive reading at the position before the first timed block.
  ReadSectorAt(start_sector);
  for (int i = 0; i < kUntimedBlocks; ++i) ReadSequential(shape.sectors_per_block);

  Clock& clock = platform_.clock;
  const double blocks_in_all = kTrials * shape.blocks_per_trial;
  int blocks_begun = 0;
  int64_t start = clock.Counter();
  for (int trial = 0; trial < kTrials; ++trial) {
    for (int block = 1; block <= shape.blocks_per_trial; ++block) {
      ++blocks_begun;
      if (block % shape.progress_every == 0 &&
          ReachProgressPoint(static_cast<int>(Round(blocks_begun / blocks_in_all * 100)))) {
        break;
      }
      ReadSequential(shape.sectors_per_block);
    }
    // The trials are timed back to back: one trial's end is the next one's start.
    const int64_t end = clock.Counter();
    SampleTable[trial] = kKilobytesPerTrial / Seconds(end - start);
    start = end;
  }
  return PickRepresentativeSample();
}

double Engine::RunRead16kTest(int32_t start_sector) { return RunReadTest(k16kShape, start_sector); }

double Engine::RunRead2kTest(int32_t start_sector) { return RunReadTest(k2kShape, start_sector); }

}  // namespace vantric
