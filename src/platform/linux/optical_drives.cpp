#include "platform/linux/optical_drives.h"

#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vantric {
namespace {

constexpr std::string_view kPrefix = "sr";
constexpr const char* kBlanks = " \t\r\n";

bool IsOpticalDriveName(const std::string& name) {
  return name.size() > kPrefix.size() && name.starts_with(kPrefix) &&
         name.find_first_not_of("0123456789", kPrefix.size()) == std::string::npos;
}

// "sr10" after "sr9", and a name too long for a number does not overflow.
bool ComesFirst(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::string ReadTrimmed(const std::string& path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  const std::string value = text.str();
  const size_t first = value.find_first_not_of(kBlanks);
  if (first == std::string::npos) return "";
  return value.substr(first, value.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::vector<std::string> ListOpticalDrives(const std::string& sysfs) {
  std::vector<std::string> names;
  DIR* listing = opendir((sysfs + "/block").c_str());
  if (listing == nullptr) return names;
  while (const dirent* entry = readdir(listing)) {
    if (IsOpticalDriveName(entry->d_name)) names.emplace_back(entry->d_name);
  }
  closedir(listing);
  std::sort(names.begin(), names.end(), ComesFirst);
  return names;
}

DriveIdentity ReadDriveIdentity(const std::string& sysfs, const std::string& name,
                                const std::string& device_node) {
  const std::string device = sysfs + "/block/" + name + "/device/";
  return {device_node, ReadTrimmed(device + "vendor"), ReadTrimmed(device + "model"),
          ReadTrimmed(device + "rev")};
}

}  // namespace vantric
