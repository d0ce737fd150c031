#include "results/curve_report.h"

#include "run/value_text.h"

namespace vantric {

std::string WholeDiscLine(const WholeDisc& disc) {
  return "Whole disc: " + std::string(MediumName(disc.medium.medium)) +
         (disc.medium.from_drive ? " (as the drive reports it), " : " (from its size), ") +
         FixedText(SectorMb(disc.Sectors()), 1) + " MB; " + OneXText(disc.medium.medium) + "\n";
}

namespace {

// Each range with its first and last sector, its size and its share of the disc.
std::string UnreadableLines(const WholeDisc& disc) {
  if (disc.unreadable.empty()) return "Unreadable: none\n";
  const int64_t all = disc.UnreadableSectors();
  const size_t count = disc.unreadable.size();
  std::string text = "Unreadable: " + std::to_string(count) +
                     (count == 1 ? " range, " : " ranges, ") + FixedText(SectorMb(all), 2) +
                     " MB (" + FixedText(disc.Percent(all), 2) + "% of the disc)\n";
  for (const UnreadableRange& range : disc.unreadable) {
    const int64_t sectors = range.end_sector - range.first_sector;
    text += "  sectors " + std::to_string(range.first_sector) + " to " +
            std::to_string(range.end_sector - 1) + ", at " +
            FixedText(SectorMb(range.first_sector), 1) + " MB: " + FixedText(SectorMb(sectors), 2) +
            " MB, " + FixedText(disc.Percent(sectors), 2) + "% of the disc\n";
  }
  return text;
}

}  // namespace

std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source) {
  const CurveSummary s = SummarizeCurve(points);
  const double one_x_kbps = OneXKbps(source.disc ? source.disc->medium.medium : DiscMedium::kCd);
  const auto rate = [one_x_kbps](double x) {
    return FixedText(x, 1) + "X (" + FixedText(x * one_x_kbps, 0) + " kps)";
  };
  return "Transfer rate curve of " + CurveTitle(source) + ", " + MinuteText(source.measured_at) +
         "\n" + (source.disc ? WholeDiscLine(*source.disc) : "") + CurveModeName(source.mode) +
         " curve, " + std::to_string(points.size()) + " stretches\n" +
         "Start:   " + rate(s.start_x) + "\n" + "End:     " + rate(s.end_x) + "\n" +
         "Average: " + rate(s.average_x) + "\n" + "Minimum: " + rate(s.minimum_x) + " at " +
         FixedText(s.minimum_at_mb, 0) + " MB (" + FixedText(s.minimum_at_percent, 1) + "%)\n" +
         "Maximum: " + rate(s.maximum_x) + "\n" +
         "Shape:   " + std::string(CurveShapeName(s.shape)) + "\n" +
         (source.disc ? UnreadableLines(*source.disc) : "");
}

}  // namespace vantric
