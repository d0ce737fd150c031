#include "curve/curve_table.h"

#include <cstdio>

namespace vantric {

std::string CurveCsv(const std::vector<CurvePoint>& points) {
  std::string csv = "position_mb,position_percent,kbps,x\n";
  for (const CurvePoint& point : points) {
    char row[128];
    std::snprintf(row, sizeof row, "%.3f,%.2f,%.1f,%.3f\n", point.position_mb,
                  point.position_percent, point.kbps, point.X());
    csv += row;
  }
  return csv;
}

}  // namespace vantric
