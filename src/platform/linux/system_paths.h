#pragma once

#include <string>

namespace vantric {

// Where the system shows its drives and mounts. Tests point these at a folder of their own so
// that a fake drive can hold an image file as its disc.
struct SystemPaths {
  std::string sysfs = "/sys";
  std::string mounts = "/proc/self/mounts";
  std::string devices = "/dev";
};

}  // namespace vantric
