#pragma once

#include <optional>
#include <string>

#include "drive/held_speed.h"
#include "platform/drives.h"
#include "results/json_text.h"
#include "run/report_lines.h"

namespace vantric {

// Where the results came from, besides the results record.
struct JsonRunSource {
  std::string test_file;               // the local path of the test file
  std::string read_mode;               // "direct", "device", "uncached" or "simulated"
  std::optional<DriveIdentity> drive;  // nothing for a folder or a simulated drive
  std::optional<std::string> simulated_profile;
  std::optional<SpeedRecord> speed = std::nullopt;  // with --speed
};

// One JSON object with the run's results and what the report shows besides them: the means,
// each pass's values and how far the passes spread; a value whose test was not part of the run
// is null.
std::string ResultsJson(const ReportContent& content, const JsonRunSource& source);

}  // namespace vantric
