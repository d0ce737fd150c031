#include "curve/curve_table.h"

#include <cctype>

#include "run/value_text.h"

namespace vantric {
namespace {

std::string UnitColumn(const WholeDisc* disc) {
  if (disc == nullptr) return "x";
  std::string column;
  for (const char c : MediumName(disc->medium.medium)) {
    column += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return column + "_x";
}

}  // namespace

std::string CurveCsv(const std::vector<CurvePoint>& points, const WholeDisc* disc) {
  std::string csv = "position_mb,position_percent,kbps," + UnitColumn(disc) + "\n";
  for (const CurvePoint& point : points) {
    csv += FixedText(point.position_mb, 3) + "," + FixedText(point.position_percent, 2) + "," +
           FixedText(point.kbps, 1) + "," + FixedText(point.X(), 3) + "\n";
  }
  if (disc == nullptr || disc->unreadable.empty()) return csv;
  csv += "\nunreadable_first_sector,unreadable_last_sector,start_mb,mb,percent\n";
  for (const UnreadableRange& range : disc->unreadable) {
    const int64_t sectors = range.end_sector - range.first_sector;
    csv += std::to_string(range.first_sector) + "," + std::to_string(range.end_sector - 1) + "," +
           FixedText(SectorMb(range.first_sector), 3) + "," + FixedText(SectorMb(sectors), 3) +
           "," + FixedText(disc->Percent(sectors), 3) + "\n";
  }
  return csv;
}

}  // namespace vantric
