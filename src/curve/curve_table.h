#pragma once

#include <string>
#include <vector>

#include "curve/transfer_curve.h"
#include "curve/whole_disc.h"

namespace vantric {

// The points as CSV: a header line, then one row per stretch. For a whole disc the rate column
// is named for the medium's X ("dvd_x", "cd_da_x"), and the unreadable ranges and the sectors
// with C2 errors, if any, follow each after a blank line as a table of its own.
std::string CurveCsv(const std::vector<CurvePoint>& points, const WholeDisc* disc = nullptr);

}  // namespace vantric
