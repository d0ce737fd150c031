#include "cli/curve_output.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "cli/json_report.h"
#include "cli/run_notes.h"
#include "curve/curve_chart.h"
#include "curve/curve_table.h"
#include "run/program_version.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr const char* kShapeRule =
    "CLV when the mean of the last three points is at most 1.2 times the mean of the first "
    "three; otherwise zoned when, after a median of five, the ten largest rises between "
    "neighbouring points carry at least half of the whole rise, else CAV";

std::string DateText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

std::string DriveTitle(const CurveSource& source) {
  if (source.drive) return DriveName(*source.drive) + " (" + source.drive->device + ")";
  if (source.simulated_profile) return "simulated drive " + *source.simulated_profile;
  return source.test_file;
}

std::string CurveJson(const std::vector<CurvePoint>& points, const CurveSource& source) {
  const CurveSummary s = SummarizeCurve(points);
  std::string out = "{\n";
  const auto member = [&out](const char* name, const std::string& value) {
    out += "  \"" + std::string(name) + "\": " + value + ",\n";
  };
  member("Vantric", JsonString(kProgramVersion));
  member("Format", std::to_string(kResultFormat));
  member("Mode", JsonString(CurveModeName(source.mode)));
  member("MeasuredAt", JsonString(JsonLocalTime(source.measured_at)));
  member("TestFile", JsonString(source.test_file));
  member("ReadMode", JsonString(source.read_mode));
  member("Drive", JsonDriveObject(source.drive));
  member("SimulatedProfile",
         source.simulated_profile ? JsonString(*source.simulated_profile) : "null");
  member("StartX", JsonNumber(s.start_x));
  member("EndX", JsonNumber(s.end_x));
  member("AverageX", JsonNumber(s.average_x));
  member("MinimumX", JsonNumber(s.minimum_x));
  member("MinimumAtMB", JsonNumber(s.minimum_at_mb));
  member("MinimumAtPercent", JsonNumber(s.minimum_at_percent));
  member("MaximumX", JsonNumber(s.maximum_x));
  member("Shape", JsonString(std::string(CurveShapeName(s.shape))));
  member("ShapeRule", JsonString(kShapeRule));
  out += "  \"Points\": [";
  for (size_t i = 0; i < points.size(); ++i) {
    const CurvePoint& p = points[i];
    out += i == 0 ? "\n" : ",\n";
    out += "    {\"PositionMB\": " + JsonNumber(p.position_mb) +
           ", \"PositionPercent\": " + JsonNumber(p.position_percent) +
           ", \"Kbps\": " + JsonNumber(p.kbps) + ", \"X\": " + JsonNumber(p.X()) + "}";
  }
  return out + "\n  ]\n}\n";
}

}  // namespace

std::optional<CurveFileKind> CurveFileKindOf(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "csv") return CurveFileKind::kCsv;
  if (extension == "json") return CurveFileKind::kJson;
  if (extension == "svg") return CurveFileKind::kSvg;
  return std::nullopt;
}

std::string CurveModeName(CurveMode mode) { return mode == CurveMode::kFull ? "full" : "quick"; }

std::string CurveFileText(CurveFileKind kind, const std::vector<CurvePoint>& points,
                          const CurveSource& source, double file_mb) {
  switch (kind) {
    case CurveFileKind::kCsv:
      return CurveCsv(points);
    case CurveFileKind::kJson:
      return CurveJson(points, source);
    case CurveFileKind::kSvg:
      return CurveSvg(points, SummarizeCurve(points), file_mb,
                      {DriveTitle(source), DateText(source.measured_at)});
  }
  return "";
}

std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source) {
  const CurveSummary s = SummarizeCurve(points);
  const auto rate = [](double x) {
    return FixedText(x, 1) + "X (" + FixedText(x * 150, 0) + " kps)";
  };
  return "Transfer rate curve of " + DriveTitle(source) + ", " + DateText(source.measured_at) +
         "\n" + CurveModeName(source.mode) + " curve, " + std::to_string(points.size()) +
         " stretches\n" + "Start:   " + rate(s.start_x) + "\n" + "End:     " + rate(s.end_x) +
         "\n" + "Average: " + rate(s.average_x) + "\n" + "Minimum: " + rate(s.minimum_x) + " at " +
         FixedText(s.minimum_at_mb, 0) + " MB (" + FixedText(s.minimum_at_percent, 1) + "%)\n" +
         "Maximum: " + rate(s.maximum_x) + "\n" +
         "Shape:   " + std::string(CurveShapeName(s.shape)) + "\n";
}

}  // namespace vantric
