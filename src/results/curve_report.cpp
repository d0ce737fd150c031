#include "results/curve_report.h"

#include "run/value_text.h"

namespace vantric {
std::string WholeDiscLine(const WholeDisc& disc) {
  return "Whole disc: " + std::string(MediumName(disc.medium.medium)) +
         (disc.medium.from_drive ? " (as the drive reports it), " : " (from its size), ") +
         FixedText(disc.Mb(disc.Sectors()), 1) + " MB; " + disc.OneXText() + "\n";
}

std::string CurveSummaryLines(const std::vector<CurvePoint>& points, double one_x_kbps) {
  const CurveSummary s = SummarizeCurve(points);
  const auto rate = [one_x_kbps](double x) {
    return FixedText(x, 1) + "X (" + FixedText(x * one_x_kbps, 0) + " kps)";
  };
  return "Start:   " + rate(s.start_x) + "\n" + "End:     " + rate(s.end_x) + "\n" +
         "Average: " + rate(s.average_x) + "\n" + "Minimum: " + rate(s.minimum_x) + " at " +
         FixedText(s.minimum_at_mb, 0) + " MB (" + FixedText(s.minimum_at_percent, 1) + "%)\n" +
         "Maximum: " + rate(s.maximum_x) + "\n" +
         "Shape:   " + std::string(CurveShapeName(s.shape)) + "\n";
}

std::string RangeLines(const WholeDisc& disc, const std::vector<UnreadableRange>& ranges,
                       const std::string& what, const std::string& of) {
  if (ranges.empty()) return what + ": none\n";
  const int64_t all = SectorsIn(ranges);
  const size_t count = ranges.size();
  std::string text = what + ": " + std::to_string(count) + (count == 1 ? " range, " : " ranges, ") +
                     FixedText(disc.Mb(all), 2) + " MB (" + FixedText(disc.Percent(all), 2) +
                     "% of " + of + ")\n";
  for (const UnreadableRange& range : ranges) {
    const int64_t sectors = range.end_sector - range.first_sector;
    text += "  sectors " + std::to_string(range.first_sector) + " to " +
            std::to_string(range.end_sector - 1) + ", at " +
            FixedText(disc.PositionMb(range.first_sector), 1) +
            " MB: " + FixedText(disc.Mb(sectors), 2) + " MB, " +
            FixedText(disc.Percent(sectors), 2) + "% of " + of + "\n";
  }
  return text;
}

std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source) {
  const double one_x_kbps = OneXKbps(source.disc ? source.disc->medium.medium : DiscMedium::kCd);
  return "Transfer rate curve of " + CurveTitle(source) + ", " + MinuteText(source.measured_at) +
         "\n" + (source.disc ? WholeDiscLine(*source.disc) : "") + CurveModeName(source.mode) +
         " curve, " + std::to_string(points.size()) + " stretches\n" +
         CurveSummaryLines(points, one_x_kbps) +
         (source.disc ? RangeLines(*source.disc, source.disc->unreadable, "Unreadable", "the disc")
                      : "");
}

}  // namespace vantric
