#include "platform/drives.h"

namespace vantric {

std::string DriveName(const DriveIdentity& drive) {
  std::string name;
  for (const std::string* part : {&drive.vendor, &drive.model, &drive.revision}) {
    if (part->empty()) continue;
    name += (name.empty() ? "" : " ") + *part;
  }
  return name;
}

}  // namespace vantric
