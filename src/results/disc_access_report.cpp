#include "results/disc_access_report.h"

#include "engine/disc_places.h"
#include "results/curve_report.h"
#include "results/json_text.h"
#include "results/read_speed_text.h"
#include "run/program_version.h"
#include "run/value_text.h"

namespace vantric {
namespace {

std::string ValueText(double value, ValueUnit unit) {
  return unit == ValueUnit::kKps ? KpsText(value) : FixedText(value, 1) + " ms";
}

// Where a test read: the ends of a stroke, the span of the random seeks.
std::string PlacesText(const DiscTestCall& call, int64_t disc_sectors) {
  const DiscPlaces places = PlacesOnDisc(disc_sectors);
  const auto between = [](int64_t near, int64_t far) {
    return " (between sectors " + std::to_string(near) + " and " + std::to_string(far) + ")";
  };
  switch (call.test) {
    case DiscTest::kFullStroke:
      return between(0, disc_sectors - 1);
    case DiscTest::kThirdStroke:
      return between(places.third_near, places.third_far);
    case DiscTest::kRandomAccess:
      return " (" + std::to_string(kRandomSteps) + " seeks over sectors 0 to " +
             std::to_string(disc_sectors - 1) + ")";
    case DiscTest::kSeekOverhead:
    case DiscTest::kBurst:
      break;
  }
  return "";
}

std::string SpinText(const SpinTimes& spin) {
  std::string text = "Spin-up:        ";
  if (!spin.spin_up_ms) return text + "unknown (" + spin.error + ")\n";
  return text + FixedText(*spin.spin_up_ms, 1) + " ms from the read command to its data" +
         (spin.spin_down_ms ? ", after a spin-down of " + FixedText(*spin.spin_down_ms, 1) + " ms"
                            : "") +
         "\n";
}

std::string Optional(const std::optional<double>& value) {
  return value ? JsonNumber(*value) : "null";
}

}  // namespace

std::string DiscAccessReportText(const DiscAccessResults& results, const CurveSource& source) {
  const WholeDisc& disc = *source.disc;
  std::string text = "Access tests of " + CurveTitle(source) + ", " +
                     MinuteText(source.measured_at) + "\n" + WholeDiscLine(disc);
  const std::span<const DiscAccessTest> tests = DiscAccessTests();
  for (size_t i = 0; i < tests.size() && i < results.values.size(); ++i) {
    const DiscAccessTest& test = tests[i];
    const std::string label = std::string(test.label) + ":";
    text += label + std::string(label.size() < 16 ? 16 - label.size() : 1, ' ') +
            ValueText(results.values[i], test.unit) + PlacesText(test.call, disc.Sectors()) + "\n";
  }
  return text + SpinText(results.spin);
}

std::string DiscAccessJson(const DiscAccessResults& results, const CurveSource& source,
                           const LocalTime& ended) {
  JsonMembers members = {
      {"Vantric", JsonString(kProgramVersion)},
      {"Format", std::to_string(kResultFormat)},
      {"StartTime", JsonString(JsonLocalTime(source.measured_at))},
      {"EndTime", JsonString(JsonLocalTime(ended))},
  };
  const std::span<const DiscAccessTest> tests = DiscAccessTests();
  for (size_t i = 0; i < tests.size(); ++i) {
    members.emplace_back(tests[i].field_name,
                         i < results.values.size() ? JsonNumber(results.values[i]) : "null");
  }
  const std::pair<const char*, std::string> rest[] = {
      {"SpinUpTime", Optional(results.spin.spin_up_ms)},
      {"SpinDownTime", Optional(results.spin.spin_down_ms)},
      {"SpinUpProblem", results.spin.spin_up_ms ? "null" : JsonString(results.spin.error)},
      {"WholeDisc", WholeDiscJson(*source.disc, false)},
      {"ReadMode", JsonString(source.read_mode)},
      {"Drive", JsonDriveObject(source.drive)},
      {"SimulatedProfile",
       source.simulated_profile ? JsonString(*source.simulated_profile) : "null"},
      {"ReadSpeed", JsonReadSpeed(source.speed)},
  };
  members.insert(members.end(), std::begin(rest), std::end(rest));
  return JsonObjectText(members);
}

}  // namespace vantric
