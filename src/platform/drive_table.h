#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/mount_table.h"

namespace vantric {

// One drive letter and the directory it stands for.
struct DriveLetter {
  char letter;
  std::string root;  // a Linux directory
  uint32_t type;     // DRIVE_CDROM or DRIVE_REMOTE
};

// Gives letters from D: on to the directories named with --drive (as CD-ROM drives), then to
// the optical mounts, then to the network mounts, each directory once, until Z: is used.
std::vector<DriveLetter> BuildDriveTable(const std::vector<std::string>& drive_directories,
                                         const std::vector<MountEntry>& mounts);

}  // namespace vantric
