#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantric {

// Every --drive folder exists and can be read: a typing slip must not look like a missing disc.
// The message, or nothing.
std::optional<std::string> CheckDriveFolders(const std::vector<std::string>& directories);

}  // namespace vantric
