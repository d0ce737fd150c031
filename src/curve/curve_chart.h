#pragma once

#include <string>
#include <vector>

#include "curve/curve_summary.h"
#include "curve/transfer_curve.h"
#include "curve/whole_disc.h"

namespace vantric {

struct CurveChartTitle {
  std::string drive;  // the drive or the simulated profile
  std::string date;   // as it should read, for example "2026-12-08 09:14"
};

// The curve as a standalone SVG image of 800 x 500 pixels: rate in X over position in MB with
// labelled, gridded axes, one marker per point, the minimum marked. Black on white, so that it
// prints as it shows. A whole disc's axis names its medium's X, and its unreadable ranges (and
// an audio disc's sectors with C2 errors) lie in red along the position axis.
std::string CurveSvg(const std::vector<CurvePoint>& points, const CurveSummary& summary,
                     double file_mb, const CurveChartTitle& title, const WholeDisc* disc = nullptr);

}  // namespace vantric
