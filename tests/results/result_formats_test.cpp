#include "results/result_formats.h"

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <sstream>

#include "json_reader.h"

namespace vantric::testing {
namespace {

// A ramp from 10X to 29.8X, its slowest point (a weak spot) and its fastest in the middle, so
// that neither is found by looking at the ends; positions, percents and rates all differ.
std::vector<CurvePoint> RampWithWeakSpot() {
  std::vector<CurvePoint> points;
  for (int i = 0; i < 100; ++i) {
    const double mb = 3 + 6.0 * i;
    points.push_back({mb, mb / 6, 150 * (10 + 0.2 * i)});
  }
  points[37].kbps = 150 * 4.5;
  points[80].kbps = 150 * 35;
  return points;
}
constexpr size_t kSlowest = 37, kFastest = 80;
constexpr double kFileMb = 600;

std::vector<double> Numbers(const std::string& text, char separator) {
  std::vector<double> numbers;
  std::istringstream in(text);
  for (std::string field; std::getline(in, field, separator);) numbers.push_back(std::stod(field));
  return numbers;
}

// The right value in each column.
void ExpectCsvHoldsTheCurve(const std::string& text, const std::vector<CurvePoint>& points) {
  std::istringstream csv(text);
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "position_mb,position_percent,kbps,x");
  size_t row = 0;
  for (; std::getline(csv, line); ++row) {
    ASSERT_LT(row, points.size());
    const CurvePoint& p = points[row];
    const std::vector<double> v = Numbers(line, ',');
    ASSERT_EQ(v.size(), 4u) << line;
    EXPECT_NEAR(v[0], p.position_mb, 0.0005) << line;
    EXPECT_NEAR(v[1], p.position_percent, 0.005) << line;
    EXPECT_NEAR(v[2], p.kbps, 0.05) << line;
    EXPECT_NEAR(v[3], p.X(), 0.0005) << line;
  }
  EXPECT_EQ(row, points.size());
}

// The right value in each member, and the summary of these very points.
void ExpectJsonHoldsTheCurve(const std::string& text, const std::vector<CurvePoint>& points) {
  const JsonObject json = ParseFlatJson(text);
  const auto number = [&json](const std::string& key) { return std::get<double>(json.at(key)); };
  ASSERT_EQ(number("Points"), points.size());
  double sum = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    const std::string at = "Points." + std::to_string(i) + ".";
    EXPECT_EQ(number(at + "PositionMB"), points[i].position_mb) << i;
    EXPECT_EQ(number(at + "PositionPercent"), points[i].position_percent) << i;
    EXPECT_EQ(number(at + "Kbps"), points[i].kbps) << i;
    EXPECT_EQ(number(at + "X"), points[i].X()) << i;
    sum += points[i].X();
  }
  EXPECT_EQ(number("StartX"), points.front().X());
  EXPECT_EQ(number("EndX"), points.back().X());
  EXPECT_NEAR(number("AverageX"), sum / points.size(), 1e-12);
  EXPECT_EQ(number("MinimumX"), 4.5);
  EXPECT_EQ(number("MinimumAtMB"), points[kSlowest].position_mb);
  EXPECT_EQ(number("MinimumAtPercent"), points[kSlowest].position_percent);
  EXPECT_EQ(number("MaximumX"), 35);
  EXPECT_EQ(std::get<std::string>(json.at("Shape")), "CAV");
}

// A chart drawn the right way up, a marker on every point and the minimum's on the slowest.
void ExpectSvgHoldsTheCurve(const std::string& text, const std::vector<CurvePoint>& points) {
  const std::string& svg = text;
  std::smatch found;
  ASSERT_TRUE(std::regex_search(svg, found, std::regex("<polyline [^>]*points=\"([^\"]*)\"")));
  const std::vector<double> xy =
      Numbers(std::regex_replace(found[1].str(), std::regex("[ ,]+"), ","), ',');
  ASSERT_EQ(xy.size(), 2 * points.size());
  const auto x = [&xy](size_t i) { return xy[2 * i]; };
  const auto y = [&xy](size_t i) { return xy[2 * i + 1]; };
  // Linear in both directions: to the right as the position grows, up as the rate does.
  const double px_per_mb = (x(99) - x(0)) / (points[99].position_mb - points[0].position_mb);
  const double px_per_x = (y(0) - y(kFastest)) / (points[kFastest].X() - points[0].X());
  EXPECT_GT(px_per_mb, 0);
  EXPECT_GT(px_per_x, 0) << "a faster point must be drawn higher";
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_NEAR(x(i) - x(0), (points[i].position_mb - points[0].position_mb) * px_per_mb, 0.15);
    EXPECT_NEAR(y(0) - y(i), (points[i].X() - points[0].X()) * px_per_x, 0.15) << i;
    EXPECT_TRUE(x(i) >= 0 && x(i) <= 800 && y(i) >= 0 && y(i) <= 500) << i;
  }
  // One marker on every point of the line, and the minimum's on the slowest of them.
  const std::regex marker("<circle class=\"(point|minimum)\" cx=\"([^\"]*)\" cy=\"([^\"]*)\"");
  size_t markers = 0;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), marker); it != std::sregex_iterator();
       ++it) {
    const bool minimum = (*it)[1] == "minimum";
    const size_t i = minimum ? kSlowest : markers++;
    ASSERT_LT(i, points.size());
    EXPECT_EQ(std::stod((*it)[2]), x(i)) << (*it)[0];
    EXPECT_EQ(std::stod((*it)[3]), y(i)) << (*it)[0];
  }
  EXPECT_EQ(markers, points.size());
}

// Each format's file, chosen by its extension in any case, read back holds the curve it was
// written from; one that compare reads gives back the very points.
TEST(ResultFormatsTest, EachFormatReadsBackAsTheCurve) {
  const std::vector<CurvePoint> points = RampWithWeakSpot();
  const CurveSource source{
      CurveMode::kQuick, "/media/cd/data/vantric.dat",           "device",     std::nullopt,
      "24x-cav",         LocalTime{2026, 12, 2, 8, 9, 14, 0, 0}, std::nullopt, std::nullopt};
  for (const ResultFormatEntry& format : ResultFormats()) {
    SCOPED_TRACE(format.extension);
    std::string upper(format.extension);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(ResultFormatOfPath("/tmp/a.b/curve" + upper), &format);
    EXPECT_NE(ResultExtensionList().find(format.extension), std::string::npos);

    const std::string text = CurveFileText(format.format, points, source, kFileMb);
    switch (format.format) {
      case ResultFormat::kCsv:
        ExpectCsvHoldsTheCurve(text, points);
        break;
      case ResultFormat::kJson:
        ExpectJsonHoldsTheCurve(text, points);
        break;
      case ResultFormat::kSvg:
        ExpectSvgHoldsTheCurve(text, points);
        break;
    }
    if (!format.read) continue;
    std::string error;
    const std::optional<ResultFile> back = format.read(text, "curve", &error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->points.size(), points.size());
    for (size_t i = 0; i < points.size(); ++i) {
      EXPECT_EQ(back->points[i].position_mb, points[i].position_mb) << i;
      EXPECT_EQ(back->points[i].kbps, points[i].kbps) << i;
    }
  }
  EXPECT_EQ(ResultFormatOfPath("/tmp/curve.txt"), nullptr);
  EXPECT_EQ(ResultFormatOfPath("/tmp/svg"), nullptr);
}

}  // namespace
}  // namespace vantric::testing
