#include "results/run_json.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "results/json_text.h"
#include "results/read_speed_text.h"
#include "run/drive_figures.h"
#include "run/pass_spread.h"
#include "run/program_version.h"
#include "run/test_catalogue.h"

namespace vantric {
namespace {

std::string Measured(bool on, double value) { return on ? JsonNumber(value) : "null"; }

std::string Bool(bool value) { return value ? "true" : "false"; }

// A stored CDFS value; 0 or less means the system did not say.
std::string Cdfs(int32_t value) { return value > 0 ? std::to_string(value) : "null"; }

// The values the run sums over its passes, as opposed to those measured once.
bool Averaged(const CatalogueTest& test) { return !test.first_pass_only; }

// One object per pass with that pass's own values; null for a test that was not run.
std::string PassesJson(const TestResults& r) {
  std::string out = "[";
  for (int32_t pass = 1; pass <= r.PassCount; ++pass) {
    out += pass == 1 ? "\n    {" : ",\n    {";
    out += "\"Pass\": " + std::to_string(pass);
    for (const CatalogueTest& test : kTestCatalogue) {
      if (!Averaged(test)) continue;
      const std::vector<double> values = r.ValuesPerPass(test.field);
      const bool measured = r.flags.*test.flag && static_cast<size_t>(pass) <= values.size();
      out += ", \"" + std::string(test.field_name) +
             "\": " + Measured(measured, measured ? values[pass - 1] : 0);
    }
    out += "}";
  }
  return out + (r.PassCount > 0 ? "\n  ]" : "]");
}

// Each averaged value's minimum, maximum and standard deviation over the passes; null for one
// pass, and for a test that was not run.
std::string SpreadJson(const TestResults& r) {
  if (r.PassCount < 2) return "null";
  std::string out = "{";
  bool first = true;
  for (const CatalogueTest& test : kTestCatalogue) {
    if (!Averaged(test)) continue;
    out += first ? "\n    \"" : ",\n    \"";
    first = false;
    out += std::string(test.field_name) + "\": ";
    const auto spread = SpreadOf(r.ValuesPerPass(test.field));
    if (!(r.flags.*test.flag) || !spread) {
      out += "null";
      continue;
    }
    out += "{\"Minimum\": " + JsonNumber(spread->minimum) +
           ", \"Maximum\": " + JsonNumber(spread->maximum) +
           ", \"StandardDeviation\": " + JsonNumber(spread->standard_deviation) + "}";
  }
  return out + "\n  }";
}

}  // namespace

std::string ResultsJson(const ReportContent& content, const JsonRunSource& source) {
  const TestResults& r = content.results;
  JsonMembers members = {
      {"Vantric", JsonString(kProgramVersion)},
      {"Format", std::to_string(kResultFormat)},
      {"PassCount", std::to_string(r.PassCount)},
      {"StartTime", JsonString(JsonLocalTime(r.StartTime))},
      {"EndTime", JsonString(JsonLocalTime(r.EndTime))},
      {"ResultsValid", Bool(r.ResultsValid)},
  };
  for (const FlagName& flag : kFlagNames) members.emplace_back(flag.name, Bool(r.flags.*flag.flag));
  for (const CatalogueTest& test : kTestCatalogue) {
    members.emplace_back(test.field_name, Measured(r.flags.*test.flag, r.*test.field));
  }
  // An index of 0 is one that was not computed.
  for (const IndexFigure& index : kIndexFigures) {
    members.emplace_back(index.field_name, Measured(r.*index.field != 0, r.*index.field));
  }
  // The rating as the text shows it, one decimal, so that a reader gets the same figure.
  const bool rated = r.flags.Read16On && std::isfinite(WeightedRead16(r));
  const std::pair<const char*, std::string> rest[] = {
      {"DriveRatingText", JsonString(r.DriveRatingText)},
      {"DriveTypeText", JsonString(r.DriveTypeText)},
      {"DriveRating", rated ? RatingNumber(WeightedRead16(r)) : "null"},
      {"DriveType",
       rated ? JsonString(ClassifyDriveType(r.Read16Inside, r.Read16Outside)) : "null"},
      {"Edit1", JsonString(content.Edit1)},
      {"Edit2", JsonString(content.Edit2)},
      {"Edit3", JsonString(content.Edit3)},
      {"userval", content.userval.empty() ? "null" : JsonString(content.userval)},
      {"CdfsPrefetch", Cdfs(content.CdfsPrefetch)},
      {"CdfsCacheSize", Cdfs(content.CdfsCacheSize)},
      {"TestFile", JsonString(source.test_file)},
      {"ReadMode", JsonString(source.read_mode)},
      {"Drive", JsonDriveObject(source.drive)},
      {"SimulatedProfile",
       source.simulated_profile ? JsonString(*source.simulated_profile) : "null"},
      {"ReadSpeed", JsonReadSpeed(source.speed)},
      {"Passes", PassesJson(r)},
      {"Spread", SpreadJson(r)},
  };
  members.insert(members.end(), std::begin(rest), std::end(rest));
  return JsonObjectText(members);
}

}  // namespace vantric
