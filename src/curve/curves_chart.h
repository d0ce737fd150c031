#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "curve/transfer_curve.h"

namespace vantric {

// One curve of several on a chart.
struct ChartedCurve {
  std::string name;  // its legend entry: the drive or profile, and when it was measured
  std::vector<CurvePoint> points;
};

// How many curves one chart tells apart, each by a colour, a line pattern and a marker of its
// own.
inline constexpr size_t kMostChartedCurves = 12;

// The curves on one chart, on one scale that holds them all: the position in MB up to the
// longest test file, the rate in X up to the fastest point. Each has its colour, line pattern
// and marker shape, so that they can be told apart printed in grey too, and a legend entry
// below the chart. 800 pixels wide, taller by a line per curve. Up to kMostChartedCurves.
std::string CurvesSvg(const std::vector<ChartedCurve>& curves, const std::string& subtitle);

}  // namespace vantric
