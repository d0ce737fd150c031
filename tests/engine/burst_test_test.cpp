#include <gtest/gtest.h>

#include "engine_rig.h"

namespace vantric::testing {
namespace {

constexpr int64_t kOldCounter = 1'193'182;

// The timed read is the one of `block_size` sectors right after the two single-sector reads.
bool IsTimedRead(const ScriptedRead& read, int32_t block_size) {
  return read.sector_count == block_size && read.first_sector >= 50'003 &&
         (read.first_sector - 50'003) % 1190 == 0;
}

// Scripts the timed reads so that the two counter readings around them differ by `counts`.
void TimeBurstReads(EngineRig& rig, int32_t block_size, int64_t counts) {
  rig.Script([&rig, block_size, counts](const ScriptedRead& read) -> int64_t {
    return IsTimedRead(read, block_size) ? counts - rig.clock.PollCost() : 0;
  });
}

TEST(BurstTest, RateIsTheFastestOfSixteenReads) {
  EngineRig rig(kOldCounter, 1);
  int timed = 0;
  rig.Script([&](const ScriptedRead& read) -> int64_t {
    if (!IsTimedRead(read, 8)) return 0;
    return (++timed == 7 ? 10'000 : 12'000) - 1;
  });
  EXPECT_DOUBLE_EQ(rig.engine.RunBurstTest(8), 1'193'182.0 / 1250 * 2);  // 1909.0912
  EXPECT_EQ(timed, 16);
}

TEST(BurstTest, ReadTooFastForTheCounterGives9999) {
  EngineRig rig(kOldCounter, 1);
  TimeBurstReads(rig, 1, 0);
  EXPECT_EQ(rig.engine.RunBurstTest(1), 9999);
}

TEST(BurstTest, NothingFasterThanTheStartingBestOnTheOldCounter) {
  EngineRig rig(kOldCounter, 1);
  TimeBurstReads(rig, 4, 2'000'000);
  EXPECT_DOUBLE_EQ(rig.engine.RunBurstTest(4), 1'193'182.0 / 250'000 * 2);  // 9.545456
}

TEST(BurstTest, StartingBestIsADurationOnAFastCounter) {
  // Reads of 5 ms are slower than a million counts of a 1 GHz counter, yet count.
  EngineRig rig(1'000'000'000, 1000);
  TimeBurstReads(rig, 8, 5'000'000);
  EXPECT_DOUBLE_EQ(rig.engine.RunBurstTest(8), 3200);

  // Slower than 0.838 s: the result comes from the starting best, not from 1 ms.
  TimeBurstReads(rig, 8, 2'000'000'000);
  EXPECT_NEAR(rig.engine.RunBurstTest(8), 16 / (1e6 / 1'193'182.0), 1e-6);
}

TEST(BurstTest, VisitsItsPositionsAndReportsProgress) {
  EngineRig rig(kOldCounter, 1);
  rig.engine.RunBurstTest(4);
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: 8k Burst"}));
  EXPECT_EQ(rig.progress,
            (std::vector<int>{0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100}));
  const std::vector<ScriptedRead>& reads = rig.file->Reads();
  ASSERT_EQ(reads.size(), 16u * 4);
  EXPECT_EQ(reads[0].first_sector, 51'190);
  EXPECT_EQ(reads[3].first_sector, 51'193);
  EXPECT_EQ(reads[3].sector_count, 4);
  EXPECT_EQ(reads[60].first_sector, 69'040);
}

TEST(BurstTest, WaitsAQuarterSecondBeforeEachTimedRead) {
  EngineRig rig(1'000'000, 1);
  rig.engine.RunBurstTest(1);
  const std::vector<ScriptedRead>& reads = rig.file->Reads();
  EXPECT_GE(reads[3].started_at - reads[2].started_at, 250'000);
}

TEST(BurstTest, CancelBeforeTheFirstMeasurementUsesTheStartingBest) {
  EngineRig rig(kOldCounter, 1);
  rig.engine.CancelRequested = true;
  EXPECT_DOUBLE_EQ(rig.engine.RunBurstTest(8), 1'193'182.0 / 125'000 * 2);
  EXPECT_TRUE(rig.file->Reads().empty());
}

}  // namespace
}  // namespace vantric::testing
