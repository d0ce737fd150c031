#include "curve/curve_table.h"

#include "run/value_text.h"

namespace vantric {

std::string CurveCsv(const std::vector<CurvePoint>& points) {
  std::string csv = "position_mb,position_percent,kbps,x\n";
  for (const CurvePoint& point : points) {
    csv += FixedText(point.position_mb, 3) + "," + FixedText(point.position_percent, 2) + "," +
           FixedText(point.kbps, 1) + "," + FixedText(point.X(), 3) + "\n";
  }
  return csv;
}

}  // namespace vantric
