#pragma once

#include <optional>
#include <string>

#include "run/test_results.h"

namespace vantric {

// Where the results came from, besides the results record.
struct JsonRunSource {
  std::string test_file;  // the local path of the test file
  std::string read_mode;  // "direct", "device", "uncached" or "simulated"
  std::optional<std::string> simulated_profile;
};

// One JSON object with the run's results; a value whose test was not part of the run is null.
std::string ResultsJson(const TestResults& results, const JsonRunSource& source);

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

}  // namespace vantric
