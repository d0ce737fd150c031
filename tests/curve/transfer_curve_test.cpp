#include "curve/transfer_curve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "curve/curve_chart.h"
#include "curve/curve_summary.h"
#include "drive_prediction.h"
#include "platform/disc_medium.h"
#include "sim_rig.h"

namespace vantric::testing {
namespace {

struct MeasuredCurve {
  CurveOutcome outcome;
  std::vector<CurvePoint> points;
};

MeasuredCurve Measure(SimRig& rig, CurveMode mode = CurveMode::kQuick) {
  MeasuredCurve curve;
  curve.outcome = MeasureTransferCurve(rig.engine, mode, nullptr, &curve.points);
  return curve;
}

double SectorOf(const CurvePoint& point) { return point.position_mb * 1024 * 1024 / 2048; }

// Every point must match what the drive's data sheet says of its position, so a ramp is a
// ramp with the profile's radii and a flat line is flat.
TEST(TransferCurveTest, EveryPointMatchesTheProfileAndTheShapeFollows) {
  struct Case {
    const char* profile;
    CurveMode mode;
    CurveShape shape;
  };
  for (const Case& c : {Case{"8x-clv", CurveMode::kQuick, CurveShape::kClv},
                        Case{"24x-cav", CurveMode::kQuick, CurveShape::kCav},
                        Case{"52x-cav", CurveMode::kFull, CurveShape::kCav}}) {
    SCOPED_TRACE(c.profile);
    SimRig rig(c.profile);
    const MeasuredCurve curve = Measure(rig, c.mode);
    ASSERT_EQ(curve.outcome, CurveOutcome::kCompleted);
    ASSERT_EQ(curve.points.size(), 100u);
    const DrivePrediction predict(rig.parameters(), 0);
    for (const CurvePoint& point : curve.points) {
      EXPECT_NEAR(point.kbps / predict.SequentialKbps(SectorOf(point), 8), 1, 0.01)
          << point.position_mb << " MB";
    }
    EXPECT_NEAR(curve.points.back().position_percent, 99.6, 0.5);
    const CurveSummary summary = SummarizeCurve(curve.points);
    EXPECT_EQ(summary.shape, c.shape);
    if (c.shape == CurveShape::kClv) {
      EXPECT_NEAR(summary.minimum_x, 8.0, 0.08);
      EXPECT_NEAR(summary.maximum_x, 8.0, 0.08);
    }
  }
}

TEST(TransferCurveTest, ASlowStretchIsTheMinimum) {
  SimRig rig("24x-cav");
  DriveFaults& faults = rig.simulation->faults();
  faults.first_slow_sector = 150'000;
  faults.end_slow_sector = 156'000;
  faults.slow_factor = 4;
  const CurveSummary summary = SummarizeCurve(Measure(rig).points);
  EXPECT_NEAR(summary.minimum_at_percent, 151'500 * 100.0 / 299'557, 1.5);
  EXPECT_LT(summary.minimum_x, summary.start_x / 2);
}

// A full curve's stretch takes seconds on an 8X drive: a cancel is seen within it.
TEST(TransferCurveTest, ACancelIsSeenWithinAStretch) {
  SimRig rig("8x-clv");
  const VirtualClock& clock = rig.simulation->clock();
  constexpr double kCancelAt = 6;  // seconds, inside the second stretch
  rig.pump.on_call = [&](int) {
    if (clock.SecondsForCounts(clock.Now()) >= kCancelAt) rig.engine.CancelRequested = true;
  };
  EXPECT_EQ(Measure(rig, CurveMode::kFull).outcome, CurveOutcome::kCancelled);
  EXPECT_LT(clock.SecondsForCounts(clock.Now()), kCancelAt + 1);
}

struct ScannedDisc {
  CurveOutcome outcome;
  std::vector<CurvePoint> points;
  ReadScan scan;
};

ScannedDisc Scan(SimRig& rig, CurveMode mode) {
  rig.UseWholeDisc();
  ScannedDisc disc;
  disc.outcome = ScanWholeDisc(rig.engine, mode, 150, nullptr, &disc.points, &disc.scan);
  return disc;
}

// The simulated CD's 333,000 sectors make stretches of 3336; the 46th starts at 150,120 and the
// 47th at 153,456. A range is found to the sector wherever it lies among what the curve reads:
// within a stretch, across two, beyond the megabyte that quick mode times; and the reads that
// fail cost no stretch its rate.
TEST(ReadScanTest, MapsEachUnreadableRangeToTheSectorAndReadsOnPastIt) {
  struct Case {
    CurveMode mode;
    int64_t first, end;
  };
  for (const Case& c :
       {Case{CurveMode::kFull, 150'003, 150'103}, Case{CurveMode::kFull, 150'100, 150'200},
        Case{CurveMode::kQuick, 150'400, 151'000}, Case{CurveMode::kQuick, 150'500, 153'600}}) {
    SCOPED_TRACE(std::to_string(c.first) + (c.mode == CurveMode::kFull ? " full" : " quick"));
    SimRig rig("8x-clv");
    rig.simulation->faults().unreadable = {{c.first, c.end}};
    const ScannedDisc disc = Scan(rig, c.mode);
    ASSERT_EQ(disc.outcome, CurveOutcome::kCompleted);
    ASSERT_EQ(disc.scan.unreadable.size(), 1u);
    EXPECT_EQ(disc.scan.unreadable[0].first_sector, c.first);
    EXPECT_EQ(disc.scan.unreadable[0].end_sector, c.end);
    ASSERT_EQ(disc.points.size(), 100u);
    for (const CurvePoint& point : disc.points)
      EXPECT_NEAR(point.X(), 8, 0.08) << point.position_mb;
    EXPECT_NEAR(disc.points.back().position_percent, 99.6, 0.5);
  }
}

// A drive that takes five seconds over every read it cannot make is given a minute per range:
// what it has not seen to read by then counts as unreadable to the end of the stretch.
TEST(ReadScanTest, ARangeThatTakesTooLongIsCutAtTheEndOfItsStretch) {
  SimRig clean("8x-clv");
  Scan(clean, CurveMode::kFull);
  SimRig rig("8x-clv");
  DriveFaults& faults = rig.simulation->faults();
  faults.unreadable = {{150'203, 153'000}};
  faults.bad_read_seconds = 5;
  const ScannedDisc disc = Scan(rig, CurveMode::kFull);
  ASSERT_EQ(disc.outcome, CurveOutcome::kCompleted);
  ASSERT_EQ(disc.scan.unreadable.size(), 1u);
  EXPECT_EQ(disc.scan.unreadable[0].first_sector, 150'203);
  EXPECT_EQ(disc.scan.unreadable[0].end_sector, 153'456);
  EXPECT_EQ(disc.points.size(), 100u);
  const auto seconds = [](SimRig& r) {
    return r.simulation->clock().SecondsForCounts(r.simulation->clock().Now());
  };
  EXPECT_LT(seconds(rig) - seconds(clean), kSecondsPerRange + faults.bad_read_seconds);
}

// Every read failing from some time on is a disc pulled out, not a range to map.
TEST(ReadScanTest, ADiscPulledOutEndsTheScanWithinSeconds) {
  SimRig rig("8x-clv");
  rig.simulation->faults().disc_removed_at_seconds = 30;
  const ScannedDisc disc = Scan(rig, CurveMode::kFull);
  EXPECT_EQ(disc.outcome, CurveOutcome::kReadFailed);
  EXPECT_TRUE(disc.scan.failure.failed);
  // Where the drive was when the disc came out: 30 s at 600 sectors a second, less the seek.
  EXPECT_NEAR(disc.scan.failure.sector, 30 * 8 * 75, 300);
  const VirtualClock& clock = rig.simulation->clock();
  EXPECT_LT(clock.SecondsForCounts(clock.Now()), 31);
  EXPECT_TRUE(disc.scan.unreadable.empty());
}

TEST(DiscMediumTest, TheDriveNamesTheMediumElseItsSizeDoes) {
  struct Case {
    std::optional<uint16_t> profile;
    int64_t bytes;
    DiscMedium medium;
    bool from_drive;
  };
  constexpr int64_t kLongestCd = int64_t{99} * 60 * 75 * 2048;
  constexpr int64_t kLongestDvd = 8'547'991'552;
  for (const Case& c :
       {Case{0x0008, kLongestDvd + 1, DiscMedium::kCd, true},
        Case{0x000A, 0, DiscMedium::kCd, true}, Case{0x0010, 0, DiscMedium::kDvd, true},
        Case{0x001B, 0, DiscMedium::kDvd, true}, Case{0x002B, 0, DiscMedium::kDvd, true},
        Case{0x0043, 0, DiscMedium::kBd, true},
        // A removable disk's profile names no disc medium.
        Case{0x0002, kLongestCd, DiscMedium::kCd, false},
        Case{std::nullopt, kLongestCd + 2048, DiscMedium::kDvd, false},
        Case{std::nullopt, kLongestDvd, DiscMedium::kDvd, false},
        Case{std::nullopt, kLongestDvd + 2048, DiscMedium::kBd, false}}) {
    SCOPED_TRACE(std::to_string(c.profile.value_or(0)) + ", " + std::to_string(c.bytes));
    const MediumFound found = FindMedium(c.profile, c.bytes);
    EXPECT_EQ(found.medium, c.medium);
    EXPECT_EQ(found.from_drive, c.from_drive);
  }
  EXPECT_EQ(OneXText(DiscMedium::kCd), "CD 1X = 153,600 B/s");
  EXPECT_EQ(OneXText(DiscMedium::kDvd), "DVD 1X = 1,385,000 B/s");
  EXPECT_EQ(OneXText(DiscMedium::kBd), "BD 1X = 4,495,500 B/s");
  EXPECT_EQ(OneXKbps(DiscMedium::kCd), 150);
}

TEST(CurveShapeTest, StepsAreZonedAndARampIsNot) {
  std::vector<CurvePoint> steps, ramp;
  for (int i = 0; i < 100; ++i) {
    steps.push_back({i * 6.0, i * 1.0, 150.0 * (16 + 8 * (i / 25))});
    ramp.push_back({i * 6.0, i * 1.0, 150.0 * (16 + 0.32 * i)});
  }
  EXPECT_EQ(ClassifyCurveShape(steps), CurveShape::kZoned);
  EXPECT_EQ(ClassifyCurveShape(ramp), CurveShape::kCav);
  // A weak spot in a ramp is not a zone boundary.
  ramp[50].kbps /= 3;
  ramp[51].kbps /= 3;
  EXPECT_EQ(ClassifyCurveShape(ramp), CurveShape::kCav);
}

}  // namespace
}  // namespace vantric::testing
