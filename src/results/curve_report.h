#pragma once

#include <string>
#include <vector>

#include "results/curve_json.h"

namespace vantric {

// The text report on stdout: start, end, average, minimum with its place, maximum, shape; for a
// whole disc also its medium and size and the ranges it could not read.
std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source);

// "Whole disc: DVD (as the drive reports it), 1100.0 MB; DVD 1X = 1,385,000 B/s", and its line
// end.
std::string WholeDiscLine(const WholeDisc& disc);

}  // namespace vantric
