#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/drives.h"
#include "platform/system.h"

namespace vantric {

// The layout of the result files this program writes (runs and curves): raised whenever a
// member changes meaning, so that a reader can refuse a file it would misread.
inline constexpr int kResultFormat = 2;

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);
// The shortest text that reads back as the same double; null for what is not finite.
std::string JsonNumber(double value);
// Local time in ISO 8601 without a zone, to the millisecond.
std::string JsonLocalTime(const LocalTime& time);
// An object of these members, one a line, in their order: a result file's top level.
using JsonMembers = std::vector<std::pair<std::string, std::string>>;
std::string JsonObjectText(const JsonMembers& members);
// {"Device", "Vendor", "Model", "Revision"}, or null.
std::string JsonDriveObject(const std::optional<DriveIdentity>& drive);

}  // namespace vantric
