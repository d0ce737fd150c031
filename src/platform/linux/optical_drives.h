#pragma once

#include <string>
#include <vector>

#include "platform/drives.h"

namespace vantric {

// The optical drives of the system: the names of the sr block devices under `sysfs`
// ("sr0", "sr1", ..., "sr10"), in the order of their numbers. A drive is listed whether or not
// it holds a disc.
std::vector<std::string> ListOpticalDrives(const std::string& sysfs);

// The drive's own vendor, model and revision as sysfs shows them, without their padding
// blanks; a value sysfs does not show is empty. `device_node` is the device's path ("/dev/sr0").
DriveIdentity ReadDriveIdentity(const std::string& sysfs, const std::string& name,
                                const std::string& device_node);

}  // namespace vantric
