#include <gtest/gtest.h>

#include <cmath>

#include "engine_rig.h"

namespace vantric::testing {
namespace {

// One counter poll costs 1,000 counts: 1 us at 1 GHz, so an idle loop polls 1,000 times per ms.
constexpr int64_t kPollCost = 1000;

bool IsPacedRead(const ScriptedRead& read) { return read.sector_count == 8; }

TEST(CpuTest, PacesEightSectorReadsAtTheRate) {
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  rig.engine.RunCpuTest(8, 150, true);
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: CPU Test 300kps"}));
  EXPECT_EQ(rig.progress, (std::vector<int>{0, 25, 50, 75, 100}));
  const std::vector<ScriptedRead>& reads = rig.file->Reads();
  ASSERT_EQ(reads.size(), 1u + 4 * 46);  // 46 ticks of 54.333 ms per trial
  EXPECT_EQ(reads[0].first_sector, 288'500);
  EXPECT_EQ(reads[1].first_sector, 288'501);
  EXPECT_EQ(reads[46].first_sector + 8, 288'501 + 368) << "368 sectors per trial";
  // 1.5 s of settling, then four trials of 46 ticks.
  const double elapsed_ms = rig.clock.SecondsForCounts(rig.clock.Now()) * 1000;
  EXPECT_NEAR(elapsed_ms, 1500 + 4 * 46 * (8 * 1000.0 / 150 + 1), 1);
}

TEST(CpuTest, CalibrationCountsIdlePollsPerMillisecond) {
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  const double calibration = rig.engine.RunCpuTest(8, 300, false);
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: CPU Vantric"}));
  // 90 ticks of 27.667 ms: 2,490,000 polls in the representative trial.
  EXPECT_NEAR(rig.engine.PickRepresentativeSample(), 2'490'000, 1);
  EXPECT_NEAR(calibration, 1000, 0.001);
  ASSERT_EQ(rig.file->Reads().size(), 1u) << "calibration reads only its first sector";
  EXPECT_EQ(rig.file->Reads()[0].first_sector, 287'000);
}

TEST(CpuTest, UsageIsThePollsLostToReading) {
  // At 1.2 GHz an idle loop polls 1,200 times per ms; each read takes 5.433 ms, a tenth of a tick.
  EngineRig rig(1'200'000'000, kPollCost);
  rig.Script([](const ScriptedRead& read) -> int64_t { return IsPacedRead(read) ? 6'520'000 : 0; });
  Baselines baselines;
  baselines.CpuCalibration = 1200;
  rig.engine.UseBaselines(baselines);
  const double usage = rig.engine.RunCpuTest(8, 150, true);
  EXPECT_NEAR(rig.engine.PickRepresentativeSample(), 2'699'280, 1);
  EXPECT_NEAR(usage, 10, 0.001);  // expected 2,999,200 polls
}

TEST(CpuTest, CalibrationAndUsageRunTheSameLoop) {
  // Reads that take no time cost no polls: the usage must come out at its floor.
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  Baselines baselines;
  baselines.CpuCalibration = rig.engine.RunCpuTest(8, 300, false);
  rig.engine.UseBaselines(baselines);
  EXPECT_DOUBLE_EQ(rig.engine.RunCpuTest(8, 300, true), 1.0);
}

TEST(CpuTest, UsageNeverFallsBelowOnePercent) {
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  Baselines baselines;  // no calibration: nothing expected
  rig.engine.UseBaselines(baselines);
  EXPECT_DOUBLE_EQ(rig.engine.RunCpuTest(8, 150, true), 1.0);

  baselines.CpuCalibration = 1000;  // reads costing 0.4 % of each tick
  rig.Script([](const ScriptedRead& read) -> int64_t {
    return IsPacedRead(read) ? std::llround((8 * 1000.0 / 150 + 1) * 0.004 * 1e6) : 0;
  });
  EXPECT_DOUBLE_EQ(rig.engine.RunCpuTest(8, 150, true), 1.0);
}

TEST(CpuTest, RateOneMakesNoTicksAndNoReads) {
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  Baselines baselines;
  baselines.CpuCalibration = 1000;
  rig.engine.UseBaselines(baselines);
  EXPECT_DOUBLE_EQ(rig.engine.RunCpuTest(8, 1, true), 1.0);  // a tick of 8001 ms
  EXPECT_EQ(rig.file->Reads().size(), 1u);
  EXPECT_EQ(rig.captions.back(), "Current Test: CPU Test 2kps");
}

TEST(CpuTest, CancelAtTheFirstProgressPointStartsNoTrial) {
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  rig.engine.SampleTable = {1, 2, 3, 4};
  rig.engine.OnTestProgress = [&](int percent) {
    if (percent == 25) rig.engine.CancelRequested = true;
  };
  rig.engine.RunCpuTest(8, 150, true);
  EXPECT_EQ(rig.file->Reads().size(), 1u);
  EXPECT_EQ(rig.engine.SampleTable, (std::array<double, 4>{1, 2, 3, 4}));
}

TEST(CpuTest, HugeRatesReadANegativeSectorAndFailHarmlessly) {
  EngineRig rig(VirtualClock::kDefaultFrequency, kPollCost);
  rig.engine.RunCpuTest(8, 1'000'000'000, true);
  EXPECT_EQ(rig.file->Reads()[0].first_sector, -1) << "no valid position";
  EXPECT_EQ(rig.captions.back(), "Current Test: CPU Test 2000000000kps");
}

}  // namespace
}  // namespace vantric::testing
