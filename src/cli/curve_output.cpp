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

// {"Device", "Medium", "MediumFrom", "OneXBytesPerSecond", "Bytes", "Sectors",
// "UnreadableSectors", "Unreadable": [{"FirstSector", "LastSector", "StartMB", "MB", "Percent"}]}
std::string WholeDiscJson(const WholeDisc& disc) {
  const DiscMedium medium = disc.medium.medium;
  std::string out = "{\"Device\": " + JsonString(disc.device) +
                    ", \"Medium\": " + JsonString(std::string(MediumName(medium))) +
                    ", \"MediumFrom\": " + JsonString(disc.medium.from_drive ? "drive" : "size") +
                    ", \"OneXBytesPerSecond\": " + std::to_string(OneXBytesPerSecond(medium)) +
                    ", \"Bytes\": " + std::to_string(disc.bytes) +
                    ", \"Sectors\": " + std::to_string(disc.Sectors()) +
                    ", \"UnreadableSectors\": " + std::to_string(disc.UnreadableSectors()) +
                    ", \"Unreadable\": [";
  for (size_t i = 0; i < disc.unreadable.size(); ++i) {
    const UnreadableRange& range = disc.unreadable[i];
    const int64_t sectors = range.end_sector - range.first_sector;
    out += (i == 0 ? "\n    " : ",\n    ") + std::string("{\"FirstSector\": ") +
           std::to_string(range.first_sector) +
           ", \"LastSector\": " + std::to_string(range.end_sector - 1) +
           ", \"StartMB\": " + JsonNumber(SectorMb(range.first_sector)) +
           ", \"MB\": " + JsonNumber(SectorMb(sectors)) +
           ", \"Percent\": " + JsonNumber(disc.Percent(sectors)) + "}";
  }
  return out + (disc.unreadable.empty() ? "]}" : "\n  ]}");
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
  member("TestFile", source.disc ? "null" : JsonString(source.test_file));
  if (source.disc) member("WholeDisc", WholeDiscJson(*source.disc));
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

// "Whole disc: DVD (as the drive reports it), 1100.0 MB; DVD 1X = 1,385,000 B/s"
std::string WholeDiscLine(const WholeDisc& disc) {
  return "Whole disc: " + std::string(MediumName(disc.medium.medium)) +
         (disc.medium.from_drive ? " (as the drive reports it), " : " (from its size), ") +
         FixedText(SectorMb(disc.Sectors()), 1) + " MB; " + OneXText(disc.medium.medium) + "\n";
}

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
      return CurveCsv(points, source.disc ? &*source.disc : nullptr);
    case CurveFileKind::kJson:
      return CurveJson(points, source);
    case CurveFileKind::kSvg:
      return CurveSvg(points, SummarizeCurve(points), file_mb,
                      {DriveTitle(source), DateText(source.measured_at)},
                      source.disc ? &*source.disc : nullptr);
  }
  return "";
}

std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source) {
  const CurveSummary s = SummarizeCurve(points);
  const double one_x_kbps = OneXKbps(source.disc ? source.disc->medium.medium : DiscMedium::kCd);
  const auto rate = [one_x_kbps](double x) {
    return FixedText(x, 1) + "X (" + FixedText(x * one_x_kbps, 0) + " kps)";
  };
  return "Transfer rate curve of " + DriveTitle(source) + ", " + DateText(source.measured_at) +
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
