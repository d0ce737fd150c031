#include "curve/curve_chart.h"

#include <algorithm>
#include <sstream>

#include "curve/chart_frame.h"
#include "run/value_text.h"

namespace vantric {
namespace {

// Ranges of the disc as red bands along the position axis, each at least two pixels wide so
// that a single sector shows; `row` 0 lies on the axis, row 1 above it.
void RangeBands(std::ostringstream& svg, const ChartFrame& chart, const WholeDisc& disc,
                const std::vector<UnreadableRange>& ranges, const char* css_class,
                const std::string& label, int row) {
  if (ranges.empty()) return;
  constexpr double kBand = 8;
  constexpr double kNarrowest = 2;
  constexpr double kRowHeight = 24;
  const double bottom = chart.PlotBottom() - row * kRowHeight;
  svg << "<g fill=\"#d00000\">\n";
  for (const UnreadableRange& range : ranges) {
    const double left = chart.X(disc.PositionMb(range.first_sector));
    const double width = std::max(chart.X(disc.PositionMb(range.end_sector)) - left, kNarrowest);
    svg << "<rect class=\"" << css_class << "\" x=\"" << FixedText(left, 1) << "\" y=\""
        << bottom - kBand << "\" width=\"" << FixedText(width, 1) << "\" height=\"" << kBand
        << "\"/>\n";
  }
  svg << "</g>\n";
  ChartText(svg, chart.PlotRight() - 8, bottom - kBand - 6, "end", label,
            " font-size=\"12\" fill=\"#d00000\"");
}

}  // namespace

std::string CurveSvg(const std::vector<CurvePoint>& points, const CurveSummary& summary,
                     double file_mb, const CurveChartTitle& title, const WholeDisc* disc) {
  double fastest = 0;
  for (const CurvePoint& point : points) fastest = std::max(fastest, point.X());
  const ChartFrame chart(file_mb, fastest);

  std::ostringstream svg;
  if (disc) {
    chart.Begin(svg, ChartFrame::kHeight,
                (disc->audio ? "Extraction speed: " : "Transfer rate: ") + title.drive, title.date,
                disc->OneXText());
    RangeBands(svg, chart, *disc, disc->unreadable, "unreadable",
               "unreadable: " + FixedText(disc->Mb(SectorsIn(disc->unreadable)), 1) + " MB", 0);
    const int64_t c2 = SectorsIn(disc->c2_errors);
    RangeBands(svg, chart, *disc, disc->c2_errors, "c2",
               "C2 errors: " + std::to_string(c2) + (c2 == 1 ? " sector" : " sectors"),
               disc->unreadable.empty() ? 0 : 1);
  } else {
    chart.Begin(svg, ChartFrame::kHeight, "Transfer rate: " + title.drive, title.date);
  }
  svg << "<polyline fill=\"none\" stroke=\"#1f3f99\" stroke-width=\"2\" points=\"";
  for (const CurvePoint& point : points) {
    svg << FixedText(chart.X(point.position_mb), 1) << "," << FixedText(chart.Y(point.X()), 1)
        << " ";
  }
  svg << "\"/>\n<g fill=\"#1f3f99\">\n";
  for (const CurvePoint& point : points) {
    svg << "<circle class=\"point\" cx=\"" << FixedText(chart.X(point.position_mb), 1) << "\" cy=\""
        << FixedText(chart.Y(point.X()), 1) << "\" r=\"2\"/>\n";
  }
  svg << "</g>\n";
  if (!points.empty()) {
    const double mx = chart.X(summary.minimum_at_mb);
    const double my = chart.Y(summary.minimum_x);
    svg << "<circle class=\"minimum\" cx=\"" << FixedText(mx, 1) << "\" cy=\"" << FixedText(my, 1)
        << "\" r=\"6\" fill=\"none\" stroke=\"#c00000\" stroke-width=\"2\"/>\n";
    // The label sits on whichever side of the marker has room.
    const bool right = mx < chart.PlotLeft() + (chart.PlotRight() - chart.PlotLeft()) * 0.7;
    ChartText(svg, mx + (right ? 10 : -10), std::min(my + 18, chart.PlotBottom() - 6),
              right ? "start" : "end",
              "minimum " + FixedText(summary.minimum_x, 1) + "X at " +
                  FixedText(summary.minimum_at_mb, 0) + " MB",
              " font-size=\"12\" fill=\"#c00000\"");
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace vantric
