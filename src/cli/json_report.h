#pragma once

#include <optional>
#include <string>

#include "platform/drives.h"
#include "run/report_lines.h"

namespace vantric {

// The layout of the result files this program writes (runs and curves): raised whenever a
// member changes meaning, so that a reader can refuse a file it would misread.
inline constexpr int kResultFormat = 2;

// Where the results came from, besides the results record.
struct JsonRunSource {
  std::string test_file;               // the local path of the test file
  std::string read_mode;               // "direct", "device", "uncached" or "simulated"
  std::optional<DriveIdentity> drive;  // nothing for a folder or a simulated drive
  std::optional<std::string> simulated_profile;
};

// One JSON object with the run's results and what the report shows besides them: the means,
// each pass's values and how far the passes spread; a value whose test was not part of the run
// is null.
std::string ResultsJson(const ReportContent& content, const JsonRunSource& source);

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);
// The shortest text that reads back as the same double; null for what is not finite.
std::string JsonNumber(double value);
// Local time in ISO 8601 without a zone, to the millisecond.
std::string JsonLocalTime(const LocalTime& time);
// {"Device", "Vendor", "Model", "Revision"}, or null.
std::string JsonDriveObject(const std::optional<DriveIdentity>& drive);

}  // namespace vantric
