#include "curve/curve_table.h"

#include <cctype>

#include "run/value_text.h"

namespace vantric {
namespace {

std::string UnitColumn(const WholeDisc* disc) {
  if (disc == nullptr) return "x";
  std::string column;
  for (const char c : disc->RateMedium()) {
    column += c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return column + "_x";
}

// A table of ranges after a blank line: `what` names its columns ("unreadable", "c2").
void RangeTable(std::string& csv, const WholeDisc& disc, const std::vector<UnreadableRange>& ranges,
                const std::string& what) {
  if (ranges.empty()) return;
  csv += "\n" + what + "_first_sector," + what + "_last_sector,start_mb,mb,percent\n";
  for (const UnreadableRange& range : ranges) {
    const int64_t sectors = range.end_sector - range.first_sector;
    csv += std::to_string(range.first_sector) + "," + std::to_string(range.end_sector - 1) + "," +
           FixedText(disc.PositionMb(range.first_sector), 3) + "," +
           FixedText(disc.Mb(sectors), 3) + "," + FixedText(disc.Percent(sectors), 3) + "\n";
  }
}

}  // namespace

std::string CurveCsv(const std::vector<CurvePoint>& points, const WholeDisc* disc) {
  std::string csv = "position_mb,position_percent,kbps," + UnitColumn(disc) + "\n";
  for (const CurvePoint& point : points) {
    csv += FixedText(point.position_mb, 3) + "," + FixedText(point.position_percent, 2) + "," +
           FixedText(point.kbps, 1) + "," + FixedText(point.X(), 3) + "\n";
  }
  if (disc == nullptr) return csv;
  RangeTable(csv, *disc, disc->unreadable, "unreadable");
  RangeTable(csv, *disc, disc->c2_errors, "c2");
  return csv;
}

}  // namespace vantric
