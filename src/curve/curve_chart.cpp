#include "curve/curve_chart.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "run/value_text.h"

namespace vantric {
namespace {

constexpr double kWidth = 800;
constexpr double kHeight = 500;
constexpr double kLeft = 72;
constexpr double kRight = 24;
constexpr double kTop = 56;
constexpr double kBottom = 64;
constexpr double kPlotWidth = kWidth - kLeft - kRight;
constexpr double kPlotHeight = kHeight - kTop - kBottom;

std::string EscapeXml(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        // Control characters are not allowed in XML 1.0 text.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') escaped += c;
    }
  }
  return escaped;
}

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about eight parts.
double TickStep(double range) {
  if (range <= 0) return 1;
  const double rough = range / 8;
  const double power = std::pow(10, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

class Chart {
 public:
  Chart(double x_max, double y_max) : x_max_(x_max), y_max_(y_max) {}

  double X(double mb) const { return kLeft + mb / x_max_ * kPlotWidth; }
  double Y(double x) const { return kTop + kPlotHeight - x / y_max_ * kPlotHeight; }

 private:
  double x_max_;
  double y_max_;
};

void Text(std::ostringstream& svg, double x, double y, const std::string& anchor,
          const std::string& text, const std::string& extra = "") {
  svg << "<text x=\"" << FixedText(x, 1) << "\" y=\"" << FixedText(y, 1) << "\" text-anchor=\""
      << anchor << "\"" << extra << ">" << EscapeXml(text) << "</text>\n";
}

void Grid(std::ostringstream& svg, const Chart& chart, double x_max, double y_max) {
  const double x_step = TickStep(x_max);
  const double y_step = TickStep(y_max);
  svg << "<g stroke=\"#c8c8c8\" stroke-width=\"1\">\n";
  for (double mb = 0; mb <= x_max + 1e-9; mb += x_step) {
    svg << "<line x1=\"" << FixedText(chart.X(mb), 1) << "\" y1=\"" << kTop << "\" x2=\""
        << FixedText(chart.X(mb), 1) << "\" y2=\"" << kTop + kPlotHeight << "\"/>\n";
  }
  for (double x = 0; x <= y_max + 1e-9; x += y_step) {
    svg << "<line x1=\"" << kLeft << "\" y1=\"" << FixedText(chart.Y(x), 1) << "\" x2=\""
        << kLeft + kPlotWidth << "\" y2=\"" << FixedText(chart.Y(x), 1) << "\"/>\n";
  }
  svg << "</g>\n<g font-size=\"12\">\n";
  const int x_digits = x_step < 1 ? 1 : 0;
  for (double mb = 0; mb <= x_max + 1e-9; mb += x_step) {
    Text(svg, chart.X(mb), kTop + kPlotHeight + 18, "middle", FixedText(mb, x_digits));
  }
  const int y_digits = y_step < 1 ? 1 : 0;
  for (double x = 0; x <= y_max + 1e-9; x += y_step) {
    Text(svg, kLeft - 8, chart.Y(x) + 4, "end", FixedText(x, y_digits));
  }
  svg << "</g>\n";
}

// The unreadable ranges as red bands on the position axis, each at least two pixels wide so
// that a single sector shows.
void UnreadableBands(std::ostringstream& svg, const Chart& chart, const WholeDisc& disc) {
  if (disc.unreadable.empty()) return;
  constexpr double kBand = 8;
  constexpr double kNarrowest = 2;
  svg << "<g fill=\"#d00000\">\n";
  for (const UnreadableRange& range : disc.unreadable) {
    const double left = chart.X(SectorMb(range.first_sector));
    const double width = std::max(chart.X(SectorMb(range.end_sector)) - left, kNarrowest);
    svg << "<rect class=\"unreadable\" x=\"" << FixedText(left, 1) << "\" y=\""
        << kTop + kPlotHeight - kBand << "\" width=\"" << FixedText(width, 1) << "\" height=\""
        << kBand << "\"/>\n";
  }
  svg << "</g>\n";
  Text(svg, kLeft + kPlotWidth - 8, kTop + kPlotHeight - kBand - 6, "end",
       "unreadable: " + FixedText(SectorMb(disc.UnreadableSectors()), 1) + " MB",
       " font-size=\"12\" fill=\"#d00000\"");
}

}  // namespace

std::string CurveSvg(const std::vector<CurvePoint>& points, const CurveSummary& summary,
                     double file_mb, const CurveChartTitle& title, const WholeDisc* disc) {
  double fastest = 0;
  for (const CurvePoint& point : points) fastest = std::max(fastest, point.X());
  const double x_max = file_mb > 0 ? file_mb : 1;
  // Room above the fastest point, on a whole tick.
  const double y_step = TickStep(std::max(fastest * 1.1, 1.0));
  const double y_max = std::ceil(std::max(fastest * 1.1, 1.0) / y_step) * y_step;
  const Chart chart(x_max, y_max);

  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << kHeight
      << "\" viewBox=\"0 0 " << kWidth << " " << kHeight
      << "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" fill=\"#000000\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  Text(svg, kWidth / 2, 24, "middle", "Transfer rate: " + title.drive,
       " font-size=\"16\" font-weight=\"bold\"");
  Text(svg, kWidth / 2, 42, "middle", title.date, " font-size=\"12\"");
  Grid(svg, chart, x_max, y_max);
  svg << "<rect x=\"" << kLeft << "\" y=\"" << kTop << "\" width=\"" << kPlotWidth << "\" height=\""
      << kPlotHeight << "\" fill=\"none\" stroke=\"#000000\"/>\n";
  Text(svg, kLeft + kPlotWidth / 2, kHeight - 18, "middle", "Position (MB)", " font-size=\"13\"");
  const std::string unit = disc ? OneXText(disc->medium.medium) : "X = 150 KB/s";
  Text(svg, 18, kTop + kPlotHeight / 2, "middle", "Read speed (" + unit + ")",
       " font-size=\"13\" transform=\"rotate(-90 18 " + FixedText(kTop + kPlotHeight / 2, 1) +
           ")\"");

  if (disc) UnreadableBands(svg, chart, *disc);
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
    const bool right = mx < kLeft + kPlotWidth * 0.7;
    Text(svg, mx + (right ? 10 : -10), std::min(my + 18, kTop + kPlotHeight - 6),
         right ? "start" : "end",
         "minimum " + FixedText(summary.minimum_x, 1) + "X at " +
             FixedText(summary.minimum_at_mb, 0) + " MB",
         " font-size=\"12\" fill=\"#c00000\"");
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace vantric
