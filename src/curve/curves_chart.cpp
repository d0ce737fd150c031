#include "curve/curves_chart.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include "curve/chart_frame.h"
#include "run/value_text.h"

namespace vantric {
namespace {

enum class Marker { kCircle, kSquare, kTriangle, kDiamond, kTriangleDown, kCross, kPlus };

// Hues that differ in lightness as well, line patterns and marker shapes, hollow and filled
// in turn: in grey the pattern and the marker still tell the curves apart. No two curves share
// a colour, a pattern or a marker.
struct CurveStyle {
  const char* colour;
  const char* dashes;  // "" for a solid line
  Marker marker;
  bool filled;
};
constexpr CurveStyle kStyles[] = {
    {"#1f3f99", "", Marker::kCircle, true},
    {"#c00000", "9 4", Marker::kSquare, false},
    {"#2e7d32", "2 3", Marker::kTriangle, true},
    {"#e08000", "12 3 2 3", Marker::kDiamond, false},
    {"#6a1b9a", "5 5", Marker::kTriangleDown, true},
    {"#000000", "16 4", Marker::kCross, false},
    {"#00838f", "2 6", Marker::kPlus, false},
    {"#8d6e63", "8 3 2 3 2 3", Marker::kCircle, false},
    {"#d81b60", "4 2", Marker::kSquare, true},
    {"#7cb342", "14 3 3 3", Marker::kTriangle, false},
    {"#3949ab", "1 4", Marker::kDiamond, true},
    {"#9e9d24", "6 2 1 2", Marker::kTriangleDown, false},
};
static_assert(std::size(kStyles) == kMostChartedCurves);

// A marker on every fifth point, each curve on other points than its neighbours' so that
// markers of curves that run together do not hide each other.
constexpr size_t kMarkerEvery = 5;

constexpr double kLegendTop = ChartFrame::kHeight + 4;
constexpr double kLegendLine = 22;

std::string At(double value) { return FixedText(value, 1); }

void DrawMarker(std::ostringstream& svg, const CurveStyle& style, double x, double y) {
  const std::string fill = style.filled ? style.colour : "#ffffff";
  svg << "<path class=\"marker\" fill=\"" << fill << "\" stroke=\"" << style.colour
      << "\" stroke-width=\"1.5\" d=\"";
  const auto point = [&](char command, double dx, double dy) {
    svg << command << At(x + dx) << "," << At(y + dy) << " ";
  };
  switch (style.marker) {
    case Marker::kCircle:
      point('M', -4, 0);
      svg << "a4,4 0 1,0 8,0 a4,4 0 1,0 -8,0";
      break;
    case Marker::kSquare:
      point('M', -3.5, -3.5);
      point('L', 3.5, -3.5);
      point('L', 3.5, 3.5);
      point('L', -3.5, 3.5);
      svg << "Z";
      break;
    case Marker::kTriangle:
      point('M', 0, -5);
      point('L', 4.5, 3.5);
      point('L', -4.5, 3.5);
      svg << "Z";
      break;
    case Marker::kDiamond:
      point('M', 0, -5);
      point('L', 5, 0);
      point('L', 0, 5);
      point('L', -5, 0);
      svg << "Z";
      break;
    case Marker::kTriangleDown:
      point('M', 0, 5);
      point('L', 4.5, -3.5);
      point('L', -4.5, -3.5);
      svg << "Z";
      break;
    case Marker::kCross:
      point('M', -4, -4);
      point('L', 4, 4);
      point('M', 4, -4);
      point('L', -4, 4);
      break;
    case Marker::kPlus:
      point('M', -5, 0);
      point('L', 5, 0);
      point('M', 0, -5);
      point('L', 0, 5);
      break;
  }
  svg << "\"/>\n";
}

void LineStyle(std::ostringstream& svg, const CurveStyle& style) {
  svg << " fill=\"none\" stroke=\"" << style.colour << "\" stroke-width=\"2\"";
  if (*style.dashes) svg << " stroke-dasharray=\"" << style.dashes << "\"";
}

// The length of the test file a curve was measured on: each point's percent is its position's
// share of it.
double FileMb(const std::vector<CurvePoint>& points) {
  if (points.empty()) return 0;
  const CurvePoint& last = points.back();
  return last.position_percent > 0 ? last.position_mb * 100 / last.position_percent
                                   : last.position_mb;
}

}  // namespace

std::string CurvesSvg(const std::vector<ChartedCurve>& curves, const std::string& subtitle) {
  double longest = 0;
  double fastest = 0;
  for (const ChartedCurve& curve : curves) {
    longest = std::max(longest, FileMb(curve.points));
    for (const CurvePoint& point : curve.points) fastest = std::max(fastest, point.X());
  }
  const ChartFrame chart(longest, fastest);
  const double height = kLegendTop + kLegendLine * static_cast<double>(curves.size()) + 8;

  std::ostringstream svg;
  chart.Begin(svg, height, "Transfer rates compared", subtitle);
  for (size_t c = 0; c < curves.size(); ++c) {
    const CurveStyle& style = kStyles[c % kMostChartedCurves];
    const std::vector<CurvePoint>& points = curves[c].points;
    svg << "<polyline class=\"curve\"";
    LineStyle(svg, style);
    svg << " points=\"";
    for (const CurvePoint& point : points) {
      svg << At(chart.X(point.position_mb)) << "," << At(chart.Y(point.X())) << " ";
    }
    svg << "\"/>\n";
    for (size_t i = c % kMarkerEvery; i < points.size(); i += kMarkerEvery) {
      DrawMarker(svg, style, chart.X(points[i].position_mb), chart.Y(points[i].X()));
    }
  }

  for (size_t c = 0; c < curves.size(); ++c) {
    const CurveStyle& style = kStyles[c % kMostChartedCurves];
    const double y = kLegendTop + kLegendLine * (static_cast<double>(c) + 0.5);
    const double left = chart.PlotLeft();
    svg << "<line x1=\"" << At(left) << "\" y1=\"" << At(y) << "\" x2=\"" << At(left + 44)
        << "\" y2=\"" << At(y) << "\"";
    LineStyle(svg, style);
    svg << "/>\n";
    DrawMarker(svg, style, left + 22, y);
    ChartText(svg, left + 54, y + 4, "start", curves[c].name, " class=\"legend\" font-size=\"13\"");
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace vantric
