#pragma once

#include <string_view>
#include <vector>

#include "curve/transfer_curve.h"

namespace vantric {

enum class CurveShape {
  kClv,    // flat: the end does not read as CAV by the benchmark's rule for the drive type
  kCav,    // a ramp: the rate grows steadily with the radius
  kZoned,  // steps: most of the rise comes in a few jumps
};

std::string_view CurveShapeName(CurveShape shape);  // "CLV", "CAV", "zoned"

// What the text report and the JSON say about a curve, rates in X; start and end are the first
// and last points.
struct CurveSummary {
  double start_x = 0;
  double end_x = 0;
  double average_x = 0;
  double minimum_x = 0;
  double minimum_at_mb = 0;
  double minimum_at_percent = 0;
  double maximum_x = 0;
  CurveShape shape = CurveShape::kClv;
};

// The shape rule:
// - start and end are the means of the first and last three points;
// - CLV when start and end do not read as CAV by the benchmark's rule (ReadsAsCav);
// - otherwise, after a median of five has taken out dips of one or two points, zoned when the ten
//   largest rises between neighbouring points carry at least half of the whole rise (a ramp
//   spreads its rise over every point), CAV when they do not.
CurveShape ClassifyCurveShape(const std::vector<CurvePoint>& points);

// Needs at least one point.
CurveSummary SummarizeCurve(const std::vector<CurvePoint>& points);

}  // namespace vantric
