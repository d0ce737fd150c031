#include "curve/transfer_curve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "curve/curve_chart.h"
#include "curve/curve_summary.h"
#include "drive_prediction.h"
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
