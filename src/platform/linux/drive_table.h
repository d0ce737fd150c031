#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/linux/mount_table.h"

namespace vantric {

// One drive letter and what it stands for: a folder, or an optical drive whose disc is looked
// for anew every time it is asked about.
struct DriveLetter {
  char letter;
  uint32_t type;       // DRIVE_CDROM or DRIVE_REMOTE
  std::string root;    // the folder of a --drive or network letter; empty for an optical drive
  std::string device;  // the optical drive's block device ("sr0"); empty for a folder
};

// Gives letters from D: on to the directories named with --drive (as CD-ROM drives), then to
// the optical drives, then to the network mounts, each place once, until Z: is used.
std::vector<DriveLetter> BuildDriveTable(const std::vector<std::string>& drive_directories,
                                         const std::vector<std::string>& optical_drives,
                                         const std::vector<MountEntry>& mounts);

}  // namespace vantric
