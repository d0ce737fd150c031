#include <gtest/gtest.h>

#include <algorithm>

#include "engine/disc_places.h"
#include "engine/test_positions.h"
#include "engine_rig.h"

namespace vantric::testing {
namespace {

constexpr int64_t kFrequency = 1'000'000;  // counts of a microsecond

TEST(SeekOverheadTest, AveragesTheEightTimedReads) {
  EngineRig rig(kFrequency, 0);
  rig.Script([](const ScriptedRead& read) -> int64_t {
    const bool timed = read.first_sector > 25'000 && (read.first_sector - 25'001) % 1234 == 0;
    return timed ? 1000 : 50'000;
  });
  EXPECT_DOUBLE_EQ(rig.engine.RunSeekOverheadTest(), 1.0);
  EXPECT_EQ(rig.progress, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: Seek Overhead"}));
  const std::vector<int64_t> sectors = rig.SectorsRead();
  ASSERT_EQ(sectors.size(), 1u + 3 * 8);
  EXPECT_EQ(sectors[0], 1);
  EXPECT_EQ((std::vector<int64_t>(sectors.begin() + 1, sectors.begin() + 4)),
            (std::vector<int64_t>{131'234, 26'234, 26'235}));
}

TEST(SeekOverheadTest, DividesByEightEvenWhenCancelled) {
  EngineRig rig(kFrequency, 0);
  rig.Script([](const ScriptedRead&) { return 1000; });
  rig.engine.OnTestProgress = [&](int percent) {
    if (percent == 25) rig.engine.CancelRequested = true;
  };
  EXPECT_DOUBLE_EQ(rig.engine.RunSeekOverheadTest(), 1.0 / 8);
}

TEST(FullStrokeTest, MeanOfSixtyFourReadsLessTheOverhead) {
  EngineRig rig(kFrequency, 0);
  rig.Script(
      [](const ScriptedRead& read) -> int64_t { return read.first_sector == 1 ? 0 : 100'000; });
  EXPECT_DOUBLE_EQ(rig.engine.RunFullStrokeTest(), 100);  // a stretch of 6.4 s

  Baselines baselines;
  baselines.SeekOverhead = 2.5;
  rig.engine.UseBaselines(baselines);
  EXPECT_DOUBLE_EQ(rig.engine.RunFullStrokeTest(), 97.5);
}

TEST(FullStrokeTest, AlternatesBetweenTheEndsMovingInward) {
  EngineRig rig;
  rig.engine.RunFullStrokeTest();
  const std::vector<int64_t> sectors = rig.SectorsRead();
  ASSERT_EQ(sectors.size(), 1u + 64);
  EXPECT_EQ(sectors[1], 270'032);
  EXPECT_EQ(sectors[2], 32);
  EXPECT_EQ(sectors[63], 271'024);
  EXPECT_EQ(sectors[64], 1024);
  EXPECT_EQ(rig.progress.size(), 1u + 32);
  EXPECT_EQ(rig.progress[1], 3);  // 1 / 32 x 100 = 3.125
  EXPECT_EQ(rig.captions, (std::vector<std::string>{"Current Test: Full Stroke Seek"}));
}

TEST(RandomAccessTest, VisitsTheSameTwoHundredPositionsEveryTime) {
  EngineRig rig;
  rig.engine.RunRandomAccessTest();
  std::vector<int64_t> first = rig.SectorsRead();
  ASSERT_EQ(first.size(), 201u);
  EXPECT_EQ(first[0], 1);
  EXPECT_EQ(first[1], 245'482);
  EXPECT_EQ(first[2], 76'182);
  EXPECT_EQ(first[3], 166'201);
  EXPECT_EQ(first[200], 129'830);
  for (size_t i = 1; i < first.size(); ++i) {
    EXPECT_GE(first[i], 0);
    EXPECT_LT(first[i], 270'000);
  }
  rig.file->ClearReads();
  rig.engine.RunRandomAccessTest();
  EXPECT_EQ(rig.SectorsRead(), first);
  EXPECT_EQ(rig.captions.back(), "Current Test: Random Seek");
}

TEST(RandomAccessTest, MeanOfTwoHundredReadsLessTheOverhead) {
  EngineRig rig(kFrequency, 0);
  rig.Script(
      [](const ScriptedRead& read) -> int64_t { return read.first_sector == 1 ? 0 : 150'000; });
  Baselines baselines;
  baselines.SeekOverhead = 1.25;
  rig.engine.UseBaselines(baselines);
  EXPECT_DOUBLE_EQ(rig.engine.RunRandomAccessTest(), 150 - 1.25);  // a stretch of 30 s
  std::vector<int> expected_progress = {0};
  for (int i = 10; i <= 200; i += 10) expected_progress.push_back(i / 2);
  EXPECT_EQ(rig.progress, expected_progress);
}

TEST(RandomAccessTest, CancelledAtStepTenStillDividesByTwoHundred) {
  EngineRig rig(kFrequency, 0);
  rig.Script(
      [](const ScriptedRead& read) -> int64_t { return read.first_sector == 1 ? 0 : 20'000; });
  rig.engine.OnTestProgress = [&](int percent) {
    if (percent == 5) rig.engine.CancelRequested = true;
  };
  // Nine reads of 20 ms before the first progress point.
  EXPECT_DOUBLE_EQ(rig.engine.RunRandomAccessTest(), 9 * 20.0 / 200);
  EXPECT_EQ(rig.file->Reads().size(), 1u + 9);
}

// On a whole disc the tests read only its own sectors, spread over all of it: the full stroke
// reaches its first and last, the third stroke its middle third, the random seeks its whole
// length; on a disc of the test disc's size the seek overhead and the bursts read where the
// benchmark's do.
TEST(DiscTestsTest, ReadAtPlacesScaledToTheDisc) {
  constexpr int64_t kTestDisc = kFullTestFileBytes / SECTOR_SIZE;
  // A microsecond counter, so that the bursts' pauses take few readings of it.
  const auto read_by = [](int64_t disc, const DiscTestCall& call) {
    EngineRig rig(kFrequency, 1);
    rig.engine.RunDiscTest(call, disc);
    EXPECT_FALSE(rig.engine.FirstReadFailure().failed);
    return rig.SectorsRead();
  };
  for (const int64_t disc : {kSmallestAccessDisc, int64_t{150'001}, kTestDisc}) {
    SCOPED_TRACE(disc);
    const std::vector<int64_t> full = read_by(disc, {DiscTest::kFullStroke});
    ASSERT_EQ(full.size(), 1u + 64);
    EXPECT_EQ(*std::min_element(full.begin(), full.end()), 1);
    EXPECT_EQ(full[63], disc - 1);
    const std::vector<int64_t> third = read_by(disc, {DiscTest::kThirdStroke});
    EXPECT_EQ(third[0], disc / 3 + 1);
    EXPECT_EQ(third[1] - third[2], disc * 2 / 3 - disc / 3);

    const std::vector<int64_t> random = read_by(disc, {DiscTest::kRandomAccess});
    ASSERT_EQ(random.size(), 1u + kRandomSteps);
    EXPECT_LT(*std::max_element(random.begin(), random.end()), disc);
    EXPECT_GT(*std::max_element(random.begin(), random.end()), disc * 0.99);
    EXPECT_LT(*std::min_element(random.begin() + 1, random.end()), disc * 0.01);

    for (const DiscTestCall call :
         {DiscTestCall{DiscTest::kSeekOverhead}, DiscTestCall{DiscTest::kBurst, 8}}) {
      const std::vector<int64_t> sectors = read_by(disc, call);
      EXPECT_LT(*std::max_element(sectors.begin(), sectors.end()), disc);
    }
  }
  EngineRig benchmark(kFrequency, 1);
  benchmark.engine.RunSeekOverheadTest();
  benchmark.engine.RunBurstTest(8);
  std::vector<int64_t> scaled = read_by(kTestDisc, {DiscTest::kSeekOverhead});
  const std::vector<int64_t> burst = read_by(kTestDisc, {DiscTest::kBurst, 8});
  scaled.insert(scaled.end(), burst.begin(), burst.end());
  EXPECT_EQ(scaled, benchmark.SectorsRead());
}

}  // namespace
}  // namespace vantric::testing
