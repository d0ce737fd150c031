#include "results/curve_json.h"

#include <cstdio>

#include "results/audio_json.h"
#include "results/json_text.h"
#include "results/read_speed_text.h"
#include "run/drive_figures.h"
#include "run/program_version.h"
#include "run/value_text.h"

namespace vantric {
namespace {

std::string ShapeRule() {
  return "CLV when the mean of the last three points is at most " + FixedText(kCavRatio, 1) +
         " times the mean of the first three; otherwise zoned when, after a median of five, the "
         "ten largest rises between neighbouring points carry at least half of the whole rise, "
         "else CAV";
}

// [{"FirstSector", "LastSector", "StartMB", "MB", "Percent"}]
std::string RangesJson(const WholeDisc& disc, const std::vector<UnreadableRange>& ranges) {
  std::string out = "[";
  for (size_t i = 0; i < ranges.size(); ++i) {
    const UnreadableRange& range = ranges[i];
    const int64_t sectors = range.end_sector - range.first_sector;
    out += (i == 0 ? "\n    " : ",\n    ") + std::string("{\"FirstSector\": ") +
           std::to_string(range.first_sector) +
           ", \"LastSector\": " + std::to_string(range.end_sector - 1) +
           ", \"StartMB\": " + JsonNumber(disc.PositionMb(range.first_sector)) +
           ", \"MB\": " + JsonNumber(disc.Mb(sectors)) +
           ", \"Percent\": " + JsonNumber(disc.Percent(sectors)) + "}";
  }
  return out + (ranges.empty() ? "]" : "\n  ]");
}

}  // namespace

std::string WholeDiscJson(const WholeDisc& disc, bool scanned) {
  const DiscMedium medium = disc.medium.medium;
  std::string out = "{\"Device\": " + JsonString(disc.device) +
                    ", \"Medium\": " + JsonString(std::string(MediumName(medium))) +
                    ", \"MediumFrom\": " + JsonString(disc.medium.from_drive ? "drive" : "size") +
                    ", \"OneXBytesPerSecond\": " + std::to_string(disc.OneXBytes()) +
                    ", \"Bytes\": " + std::to_string(disc.bytes) +
                    ", \"Sectors\": " + std::to_string(disc.Sectors());
  if (disc.audio) {
    out += ", \"ReadAs\": " + JsonString(std::string(disc.RateMedium())) +
           ", \"FirstSector\": " + std::to_string(disc.first_sector) +
           ", \"C2ErrorSectors\": " + std::to_string(SectorsIn(disc.c2_errors)) +
           ", \"C2Errors\": " + RangesJson(disc, disc.c2_errors);
  }
  if (!scanned) return out + "}";
  return out + ", \"UnreadableSectors\": " + std::to_string(SectorsIn(disc.unreadable)) +
         ", \"Unreadable\": " + RangesJson(disc, disc.unreadable) + "}";
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
  if (source.disc) member("WholeDisc", WholeDiscJson(*source.disc, true));
  if (source.audio) member("Audio", AudioJson(*source.audio));
  member("ReadMode", JsonString(source.read_mode));
  member("Drive", JsonDriveObject(source.drive));
  member("SimulatedProfile",
         source.simulated_profile ? JsonString(*source.simulated_profile) : "null");
  member("ReadSpeed", JsonReadSpeed(source.speed));
  member("StartX", JsonNumber(s.start_x));
  member("EndX", JsonNumber(s.end_x));
  member("AverageX", JsonNumber(s.average_x));
  member("MinimumX", JsonNumber(s.minimum_x));
  member("MinimumAtMB", JsonNumber(s.minimum_at_mb));
  member("MinimumAtPercent", JsonNumber(s.minimum_at_percent));
  member("MaximumX", JsonNumber(s.maximum_x));
  member("Shape", JsonString(std::string(CurveShapeName(s.shape))));
  member("ShapeRule", JsonString(ShapeRule()));
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

std::string CurveModeName(CurveMode mode) { return mode == CurveMode::kFull ? "full" : "quick"; }

std::string MinuteText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

std::string CurveTitle(const CurveSource& source) {
  if (source.drive) return DriveName(*source.drive) + " (" + source.drive->device + ")";
  if (source.simulated_profile) return "simulated drive " + *source.simulated_profile;
  return source.test_file;
}

}  // namespace vantric
