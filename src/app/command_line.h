#pragma once

#include <string>
#include <vector>

namespace vantric {

// vantric [NET] [--drive DIR]... [--simulate PROFILE]
struct DesktopOptions {
  std::vector<std::string> arguments;  // as the engine sees them: NET, when given, comes first
  std::vector<std::string> drive_directories;
  std::string simulate_profile;  // empty: the real drives
};

// Reads the arguments after the program name (--help and --simulate list are answered before
// this); false with a message in *error when they cannot be used.
bool ParseDesktopOptions(const std::vector<std::string>& arguments, DesktopOptions* options,
                         std::string* error);

extern const char* const kDesktopUsage;

}  // namespace vantric
