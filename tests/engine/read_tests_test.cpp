#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "engine_rig.h"

namespace vantric::testing {
namespace {

// A counter of 1,024,000 counts per second makes half a second 512,000 counts.
constexpr int64_t kFrequency = 1'024'000;

TEST(ReadTestsTest, HalfASecondPer512KilobytesIs1024KilobytesPerSecond) {
  EngineRig rig(kFrequency, 0);
  rig.Script([](const ScriptedRead&) { return 512'000 / 32; });
  // The untimed positioning reads take time too, but outside the trials.
  EXPECT_DOUBLE_EQ(rig.engine.RunRead16kTest(512), 1024);
  for (double rate : rig.engine.SampleTable) EXPECT_DOUBLE_EQ(rate, 1024);
}

TEST(ReadTestsTest, ReportsTheSecondFastestTrial) {
  EngineRig rig(kFrequency, 0);
  const double rates[] = {300, 310, 290, 305};
  rig.Script([&](const ScriptedRead&) -> int64_t {
    const size_t index = rig.file->Reads().size() - 1;
    if (index < 5) return 0;  // the positioning read and the untimed blocks
    const double rate = rates[(index - 5) / 32];
    return std::llround(512.0 / rate / 32 * kFrequency);
  });
  EXPECT_NEAR(rig.engine.RunRead16kTest(512), 305, 0.01);
  EXPECT_NEAR(rig.engine.SampleTable[2], 290, 0.01);
}

TEST(ReadTestsTest, The16kTestReadsItsSectorsInOrder) {
  EngineRig rig;
  rig.engine.RunRead16kTest(298'500);
  std::vector<int64_t> expected(299'557 - 298'500);
  std::iota(expected.begin(), expected.end(), 298'500);
  EXPECT_EQ(rig.SectorsRead(), expected);
  EXPECT_EQ(rig.file->Reads().size(), 1u + 4 + 128);
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: Read 16k"}));
}

TEST(ReadTestsTest, The2kTestReadsItsSectorsInOrder) {
  EngineRig rig;
  rig.engine.RunRead2kTest(296'000);
  std::vector<int64_t> expected(297'029 - 296'000);
  std::iota(expected.begin(), expected.end(), 296'000);
  EXPECT_EQ(rig.SectorsRead(), expected);
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: Read 2k"}));
}

TEST(ReadTestsTest, ProgressRunsFromZeroToHundredInsideTheTrials) {
  EngineRig rig;
  size_t reads_at_hundred = 0;
  rig.engine.OnTestProgress = [&](int percent) {
    rig.progress.push_back(percent);
    if (percent == 100) reads_at_hundred = rig.file->Reads().size();
  };
  rig.engine.RunRead16kTest(512);
  ASSERT_EQ(rig.progress.size(), 1u + 64);
  EXPECT_EQ(rig.progress[0], 0);
  EXPECT_EQ(rig.progress[1], 2);  // 2 / 128 x 100 = 1.5625
  EXPECT_EQ(rig.progress.back(), 100);
  EXPECT_EQ(reads_at_hundred, 1u + 4 + 127) << "100 shows before the last block is read";

  EngineRig small;
  small.engine.RunRead2kTest(2048);
  ASSERT_EQ(small.progress.size(), 1u + 128);
  EXPECT_EQ(small.progress[1], 1);  // 8 / 1024 x 100 = 0.78125
  EXPECT_EQ(small.progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(small.progress.begin(), small.progress.end()));
}

TEST(ReadTestsTest, ProgressCallsAreInsideTheTimedStretch) {
  EngineRig rig(kFrequency, 0);
  rig.pump.on_call = [&](int) { rig.clock.Advance(100); };
  rig.engine.RunRead16kTest(512);
  // Reads take no time here: each trial lasts its 16 progress points.
  EXPECT_DOUBLE_EQ(rig.engine.SampleTable[0], 512 / (1600.0 / kFrequency));
}

TEST(ReadTestsTest, CancelEndsEachTrialAtItsFirstProgressPoint) {
  EngineRig rig(kFrequency, 0);
  rig.Script([](const ScriptedRead&) { return 1000; });
  rig.engine.SampleTable = {NAN, NAN, NAN, NAN};
  rig.engine.OnTestProgress = [&](int percent) {
    if (percent > 0) rig.engine.CancelRequested = true;
  };
  const double result = rig.engine.RunRead16kTest(512);
  // Positioning and 4 untimed blocks, then one block in each of the four trials.
  EXPECT_EQ(rig.file->Reads().size(), 1u + 4 + 4);
  for (double rate : rig.engine.SampleTable) EXPECT_DOUBLE_EQ(rate, 512 / (1000.0 / kFrequency));
  EXPECT_TRUE(std::isfinite(result));
}

}  // namespace
}  // namespace vantric::testing
