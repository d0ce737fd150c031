// Runs the engine's tests on every simulated drive and checks each result against what the
// drive's parameters predict, so that a simulated run reports the drive it models.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drive_prediction.h"
#include "engine/disc_places.h"
#include "engine/test_positions.h"
#include "sim_rig.h"

namespace vantric::testing {
namespace {

constexpr double kPollSeconds = kSimulatedPollNanoseconds * 1e-9;

// Within 1 % of the prediction.
void ExpectClose(double measured, double predicted, const std::string& what) {
  EXPECT_NEAR(measured, predicted, 0.01 * std::abs(predicted)) << what;
}

class EngineOnProfile : public ::testing::TestWithParam<const char*> {
 protected:
  EngineOnProfile() : rig_(GetParam()), predict_(rig_.parameters(), kPollSeconds) {}
  void SetUp() override { ASSERT_EQ(rig_.opened, DiscOpened); }

  SimRig rig_;
  DrivePrediction predict_;
};

TEST_P(EngineOnProfile, SequentialReadRatesFollowTheMediaOrTheHost) {
  struct Position {
    const char* name;
    int32_t read16_start;
    int32_t read2_start;
  };
  for (const Position& at : {Position{"inside", kRead16kInsideSector, kRead2kInsideSector},
                             Position{"center", kRead16kCenterSector, kRead2kCenterSector},
                             Position{"outside", kRead16kOutsideSector, kRead2kOutsideSector}}) {
    const double read16 = rig_.engine.RunRead16kTest(at.read16_start);
    const double read2 = rig_.engine.RunRead2kTest(at.read2_start);
    ExpectClose(read16, predict_.SequentialKbps(at.read16_start + 530, 8),
                std::string("16k ") + at.name);
    ExpectClose(read2, predict_.SequentialKbps(at.read2_start + 515, 1),
                std::string("2k ") + at.name);
    // A command per sector costs at least what one per eight does; where the media sets both,
    // they differ only by the nanoseconds the clock rounds each read to.
    EXPECT_LE(read2, read16 * (1 + 1e-6)) << at.name;
  }
}

TEST_P(EngineOnProfile, AccessTimesTrackTheSeekCurve) {
  const double overhead = rig_.engine.RunSeekOverheadTest();
  ExpectClose(overhead, predict_.SeekOverheadTestMs(), "seek overhead");
  rig_.baselines.SeekOverhead = overhead;
  // What is left after the overhead is the drive's own access: a seek and a turn, never nothing.
  const double full_stroke = predict_.FullStrokeTestMs() - predict_.SeekOverheadTestMs();
  const double random = predict_.RandomAccessTestMs() - predict_.SeekOverheadTestMs();
  EXPECT_GT(random, rig_.parameters().settle_ms);
  EXPECT_GT(full_stroke, random);
  ExpectClose(rig_.engine.RunFullStrokeTest(), full_stroke, "full stroke");
  ExpectClose(rig_.engine.RunRandomAccessTest(), random, "random access");
}

TEST_P(EngineOnProfile, BurstRatesTrackTheInterface) {
  for (int block : {1, 4, 8}) {
    ExpectClose(rig_.engine.RunBurstTest(block), predict_.BurstKbps(block, 60000),
                std::to_string(2 * block) + "k burst");
  }
}

// On the drive's whole disc the access tests follow the same curve between the places scaled
// to the disc, and the bursts the interface.
TEST_P(EngineOnProfile, DiscTestsTrackTheSeekCurveAcrossTheWholeDisc) {
  rig_.UseWholeDisc();
  const int64_t disc = rig_.engine.TestFile()->Size() / SECTOR_SIZE;
  const DiscPlaces at = PlacesOnDisc(disc);
  if (!rig_.simulation->faults().unreadable.empty()) {
    // A disc that does not read everywhere ends the tests at their first failed read, which
    // names a sector of the damage: nothing is timed across it.
    rig_.engine.RunDiscTest({DiscTest::kRandomAccess}, disc);
    const ReadFailure& failure = rig_.engine.FirstReadFailure();
    ASSERT_TRUE(failure.failed);
    EXPECT_TRUE(rig_.simulation->faults().TouchesBadSector(failure.sector, 1)) << failure.sector;
    return;
  }
  double overhead_ms = 0;
  for (int i = 1; i <= 8; ++i) {
    overhead_ms += predict_.SeekOverheadMs(at.overhead_back + 1 + at.overhead_stride * i) / 8;
  }
  const double measured_overhead = rig_.engine.RunDiscTest({DiscTest::kSeekOverhead}, disc);
  ExpectClose(measured_overhead, overhead_ms, "seek overhead");
  rig_.baselines.SeekOverhead = measured_overhead;

  const struct {
    DiscTest test;
    double predicted_ms;
  } access[] = {
      {DiscTest::kFullStroke, predict_.StrokeSeconds(at.full_near, at.full_far) * 1000},
      {DiscTest::kThirdStroke, predict_.StrokeSeconds(at.third_near, at.third_far) * 1000},
      {DiscTest::kRandomAccess, predict_.RandomSeconds(RandomAccessPositions(disc)) * 1000}};
  for (const auto& test : access) {
    // Compared with the overhead it left out: an ideal drive's access is nothing but that.
    ExpectClose(rig_.engine.RunDiscTest({test.test}, disc) + measured_overhead, test.predicted_ms,
                "access test " + std::to_string(static_cast<int>(test.test)));
  }
  for (int block : {1, 4, 8}) {
    ExpectClose(rig_.engine.RunDiscTest({DiscTest::kBurst, block}, disc),
                predict_.BurstKbps(block, at.burst_first + 8 * at.burst_stride),
                std::to_string(2 * block) + "k burst");
  }
}

TEST_P(EngineOnProfile, CpuUsageIsTheShareOfEachTickSpentReading) {
  // The calibration depends on the poll cost only; 1000 polls per ms on the simulated CPU.
  rig_.baselines.CpuCalibration = 1 / (kPollSeconds * 1000);
  // The slowest rate and the fastest that the drive sustains (as the run's gate allows);
  // a faster request would drain the buffer and measure the media instead.
  const double outside = predict_.SequentialKbps(kRead16kOutsideSector + 530, 8);
  std::vector<int> rates = {150};
  for (int rate : {300, 450, 600, 900}) {
    if (outside * 0.5 * 1.02 >= rate) rates = {150, rate};
  }
  for (int rate : rates) {
    ExpectClose(rig_.engine.RunCpuTest(8, rate, true), predict_.CpuUsagePercent(rate),
                "CPU usage at " + std::to_string(2 * rate) + " KB/s");
  }
}

std::vector<const char*> ProfileNames() {
  std::vector<const char*> names;
  for (const DriveProfile& profile : DriveProfiles()) names.push_back(profile.name.data());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Profiles, EngineOnProfile, ::testing::ValuesIn(ProfileNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

TEST(EngineOnSimulation, CpuCalibrationIsOneOverThePollCost) {
  SimRig rig("8x-clv");
  ExpectClose(rig.engine.RunCpuTest(8, 300, false), 1 / (kPollSeconds * 1000), "calibration");
}

TEST(EngineOnSimulation, EightSpeedClvRatesEightSpeedEverywhere) {
  SimRig rig("8x-clv");
  for (int32_t start : {kRead16kInsideSector, kRead16kCenterSector, kRead16kOutsideSector}) {
    const double x = rig.engine.RunRead16kTest(start) / 150;
    EXPECT_GE(x, 7.8) << start;
    EXPECT_LE(x, 8.0 + 1e-6) << start;
  }
}

TEST(EngineOnSimulation, AfterTheWarmUpOnlyCavProfilesReadTheOutsideFaster) {
  // As in a run: the warm-up leaves the drive reading ahead from sector 49 before the inside
  // test, which must still measure the media.
  for (const char* name : ProfileNames()) {
    SimRig rig(name);
    rig.WarmUp();
    const double inside = rig.engine.RunRead16kTest(kRead16kInsideSector);
    const double outside = rig.engine.RunRead16kTest(kRead16kOutsideSector);
    const bool cav = rig.parameters().spin == SpinMode::kCav;
    EXPECT_EQ(outside > inside * 1.2, cav) << name << ": " << inside << " / " << outside;
    const DrivePrediction predict(rig.parameters(), kPollSeconds);
    ExpectClose(inside, predict.SequentialKbps(kRead16kInsideSector + 530, 8),
                std::string(name) + " inside");
  }
}

TEST(EngineOnSimulation, IdealDriveReadsExactlyAtItsNominalSpeed) {
  SimRig rig("ideal-8x-clv");
  EXPECT_NEAR(rig.engine.RunRead16kTest(kRead16kInsideSector), 1200, 0.01);
  EXPECT_NEAR(rig.engine.RunRead2kTest(kRead2kCenterSector), 1200, 0.01);
}

}  // namespace
}  // namespace vantric::testing
