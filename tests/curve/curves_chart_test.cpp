#include "curve/curves_chart.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace vantric::testing {
namespace {

// A marker's look: hollow or filled, and its path with every point taken relative to the
// marker's centre, so that the same shape drawn in two places reads alike.
std::string MarkerLook(const std::string& fill, const std::string& path, double cx, double cy) {
  std::string look = fill == "#ffffff" ? "hollow " : "filled ";
  std::istringstream in(path);
  for (std::string part; in >> part;) {
    const std::smatch point = [&] {
      std::smatch m;
      std::regex_match(part, m, std::regex("([ML])(-?[0-9.]+),(-?[0-9.]+)"));
      return m;
    }();
    if (point.empty()) {
      look += part + " ";
      continue;
    }
    std::ostringstream relative;
    relative << point[1] << std::stod(point[2]) - cx << "," << std::stod(point[3]) - cy << " ";
    look += relative.str();
  }
  return look;
}

// As many curves as a chart can draw: no two share a colour, a line pattern or a marker, in
// the lines or in the legend.
TEST(CurvesChartTest, EachCurveHasAColourPatternAndMarkerOfItsOwn) {
  std::vector<ChartedCurve> curves;
  for (size_t c = 0; c < kMostChartedCurves; ++c) {
    ChartedCurve curve{"curve " + std::to_string(c), {}};
    for (int i = 1; i <= 20; ++i) curve.points.push_back({i * 30.0, i * 5.0, 1200.0 + 100 * c});
    curves.push_back(curve);
  }
  const std::string svg = CurvesSvg(curves, "twelve");

  std::set<std::string> colours, patterns;
  const std::regex line(
      "<polyline class=\"curve\" fill=\"none\" stroke=\"([^\"]*)\" "
      "stroke-width=\"2\"(?: stroke-dasharray=\"([^\"]*)\")?");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), line); it != std::sregex_iterator();
       ++it) {
    colours.insert((*it)[1]);
    patterns.insert((*it)[2]);
  }
  EXPECT_EQ(colours.size(), kMostChartedCurves);
  EXPECT_EQ(patterns.size(), kMostChartedCurves);

  // Each legend entry: its line, then its marker at the line's middle.
  const std::regex entry(
      "<line x1=\"([0-9.]+)\" y1=\"([0-9.]+)\" x2=\"([0-9.]+)\"[^>]*/>\n"
      "<path class=\"marker\" fill=\"([^\"]*)\" stroke=\"([^\"]*)\"[^>]* d=\"([^\"]*)\"/>");
  std::set<std::string> looks, legend_colours;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), entry); it != std::sregex_iterator();
       ++it) {
    const double cx = (std::stod((*it)[1]) + std::stod((*it)[3])) / 2;
    looks.insert(MarkerLook((*it)[4], (*it)[6], cx, std::stod((*it)[2])));
    legend_colours.insert((*it)[5]);
  }
  EXPECT_EQ(looks.size(), kMostChartedCurves);
  EXPECT_EQ(legend_colours, colours);
}

}  // namespace
}  // namespace vantric::testing
