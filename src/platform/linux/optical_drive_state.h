#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/linux/mount_table.h"

namespace vantric {

// What an optical drive holds at the moment it is looked at.
struct OpticalDriveState {
  // The system's reason a read-only open of the device failed; 0 when it opened.
  int open_error = 0;
  // The drive reports a disc it can read; an image file standing in for one always does.
  bool disc_ready = false;
  // Where the disc is mounted now.
  std::optional<std::string> mount_point;
};

// Looks at the drive behind `device_node` without waiting for it: the device is opened with
// O_NONBLOCK so that an open tray or an empty drive answers at once.
OpticalDriveState LookAtOpticalDrive(const std::string& device_node,
                                     const std::vector<MountEntry>& mounts);

// Where the device is mounted: the last of its mounts that no later mount covers. A mount's
// source names the device when it is the same device node (st_rdev) or, for an image file
// standing in, the same file, so that symlinks such as /dev/cdrom count.
std::optional<std::string> CurrentMountPoint(const std::string& device_node,
                                             const std::vector<MountEntry>& mounts);

}  // namespace vantric
