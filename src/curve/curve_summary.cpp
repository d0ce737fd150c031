#include "curve/curve_summary.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "run/drive_figures.h"

namespace vantric {
namespace {

constexpr size_t kEndPoints = 3;
constexpr size_t kLargestRises = 10;
constexpr size_t kMedianReach = 2;
constexpr double kZonedShare = 0.5;

double MeanX(std::vector<CurvePoint>::const_iterator first,
             std::vector<CurvePoint>::const_iterator last) {
  double sum = 0;
  for (auto point = first; point != last; ++point) sum += point->X();
  return sum / static_cast<double>(last - first);
}

double StartX(const std::vector<CurvePoint>& points) {
  return MeanX(points.begin(), points.begin() + std::min(kEndPoints, points.size()));
}

double EndX(const std::vector<CurvePoint>& points) {
  return MeanX(points.end() - std::min(kEndPoints, points.size()), points.end());
}

// Takes out dips of one or two points, such as a weak spot, which would otherwise come back
// as a jump.
std::vector<double> MedianOfFive(const std::vector<CurvePoint>& points) {
  std::vector<double> smoothed;
  smoothed.reserve(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    const size_t first = i < kMedianReach ? 0 : i - kMedianReach;
    const size_t last = std::min(points.size(), i + kMedianReach + 1);
    std::vector<double> window;
    for (size_t k = first; k < last; ++k) window.push_back(points[k].X());
    std::nth_element(window.begin(),
                     window.begin() + static_cast<std::ptrdiff_t>(window.size() / 2), window.end());
    smoothed.push_back(window[window.size() / 2]);
  }
  return smoothed;
}

}  // namespace

std::string_view CurveShapeName(CurveShape shape) {
  switch (shape) {
    case CurveShape::kClv:
      return kClvName;
    case CurveShape::kCav:
      return kCavName;
    case CurveShape::kZoned:
      return "zoned";
  }
  return "";
}

CurveShape ClassifyCurveShape(const std::vector<CurvePoint>& points) {
  if (points.empty()) return CurveShape::kClv;
  const double start = StartX(points);
  const double end = EndX(points);
  // A flat curve is what the benchmark would call a CLV drive.
  if (!ReadsAsCav(start, end)) return CurveShape::kClv;

  const std::vector<double> smoothed = MedianOfFive(points);
  std::vector<double> rises;
  for (size_t i = 1; i < smoothed.size(); ++i) {
    rises.push_back(std::max(0.0, smoothed[i] - smoothed[i - 1]));
  }
  const double total = std::accumulate(rises.begin(), rises.end(), 0.0);
  const size_t kept = std::min(kLargestRises, rises.size());
  std::partial_sort(rises.begin(), rises.begin() + static_cast<std::ptrdiff_t>(kept), rises.end(),
                    std::greater<>());
  const double largest = std::accumulate(rises.begin(), rises.begin() + kept, 0.0);
  return total > 0 && largest >= kZonedShare * total ? CurveShape::kZoned : CurveShape::kCav;
}

CurveSummary SummarizeCurve(const std::vector<CurvePoint>& points) {
  CurveSummary summary;
  if (points.empty()) return summary;
  summary.start_x = points.front().X();
  summary.end_x = points.back().X();
  summary.average_x = MeanX(points.begin(), points.end());
  const auto [slowest, fastest] =
      std::minmax_element(points.begin(), points.end(),
                          [](const CurvePoint& a, const CurvePoint& b) { return a.kbps < b.kbps; });
  summary.minimum_x = slowest->X();
  summary.minimum_at_mb = slowest->position_mb;
  summary.minimum_at_percent = slowest->position_percent;
  summary.maximum_x = fastest->X();
  summary.shape = ClassifyCurveShape(points);
  return summary;
}

}  // namespace vantric
