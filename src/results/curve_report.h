#pragma once

#include <string>
#include <vector>

#include "results/curve_json.h"

namespace vantric {

// The text report on stdout: start, end, average, minimum with its place, maximum, shape; for a
// whole disc also its medium and size and the ranges it could not read.
std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source);

}  // namespace vantric
