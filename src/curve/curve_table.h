#pragma once

#include <string>
#include <vector>

#include "curve/transfer_curve.h"

namespace vantric {

// The points as CSV: a header line, then one row per stretch.
std::string CurveCsv(const std::vector<CurvePoint>& points);

}  // namespace vantric
