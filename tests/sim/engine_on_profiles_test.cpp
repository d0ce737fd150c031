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

// The random-access positions, drawn as the benchmark draws them.
class AccessPositions {
 public:
  int64_t Next() {
    state_ = state_ * 134775813u + 1u;
    return static_cast<int64_t>((static_cast<uint64_t>(state_) * 270000u) >> 32);
  }

 private:
  uint32_t state_ = 0x14DA7B20u;
};

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
    ExpectClose(rig_.engine.RunRead16kTest(at.read16_start),
                predict_.SequentialKbps(at.read16_start + 530, 8), std::string("16k ") + at.name);
    ExpectClose(rig_.engine.RunRead2kTest(at.read2_start),
                predict_.SequentialKbps(at.read2_start + 515, 1), std::string("2k ") + at.name);
  }
}

TEST_P(EngineOnProfile, AccessTimesTrackTheSeekCurve) {
  double overhead_ms = 0;
  for (int i = 1; i <= 8; ++i) overhead_ms += predict_.SeekOverheadMs(25001 + 1234 * i) / 8;
  rig_.baselines.SeekOverhead = rig_.engine.RunSeekOverheadTest();
  ExpectClose(rig_.baselines.SeekOverhead, overhead_ms, "seek overhead");

  // Each read starts where the previous one left the head: one sector past it.
  double stroke = 0;
  int64_t head = 2;
  for (int i = 1; i <= 32; ++i) {
    stroke += predict_.AccessSeconds(head, 270000 + 32 * i);
    stroke += predict_.AccessSeconds(270001 + 32 * i, 32 * i);
    head = 32 * i + 1;
  }
  const double measured_overhead = rig_.baselines.SeekOverhead;
  rig_.baselines.SeekOverhead = 0;
  ExpectClose(rig_.engine.RunFullStrokeTest(), stroke * 1000 / 64, "full stroke");

  rig_.baselines.SeekOverhead = measured_overhead;
  double random = 0;
  AccessPositions positions;
  head = 2;
  for (int i = 1; i <= 200; ++i) {
    const int64_t position = positions.Next();
    random += predict_.AccessSeconds(head, position);
    head = position + 1;
  }
  ExpectClose(rig_.engine.RunRandomAccessTest(), random * 1000 / 200 - measured_overhead,
              "random access");
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
    ExpectClose(rig_.engine.RunCpuTest(8, rate, true),
                predict_.CpuUsagePercent(rate, 290000 - 10 * rate),
                "CPU usage at " + std::to_string(2 * rate) + " KB/s");
  }
}

INSTANTIATE_TEST_SUITE_P(Profiles, EngineOnProfile,
                         ::testing::Values("2x-clv", "8x-clv", "24x-cav", "52x-cav",
                                           "ideal-8x-clv"),
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
  for (const char* name : {"2x-clv", "8x-clv", "24x-cav", "52x-cav", "ideal-8x-clv"}) {
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
  rig.baselines.SeekOverhead = 0;
  // No seek and no latency: every access costs just the one sector's media time.
  EXPECT_NEAR(rig.engine.RunRandomAccessTest(), 1000.0 / 600, 0.001);
}

}  // namespace
}  // namespace vantric::testing
