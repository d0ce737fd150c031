#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/linux_disc_file.h"
#include "platform/linux/mount_table.h"
#include "platform/linux/optical_drive_state.h"

namespace vantric {

// Opens a test file so that every read reaches the drive, in the most exact mode that works:
// direct, then device (for a file on a CD file system, which refuses direct reads), then
// uncached. nullptr when the file cannot be opened at all; `Note()` of the result says why a
// less exact mode was chosen.
std::unique_ptr<LinuxDiscFile> OpenDiscFile(const std::string& path,
                                            const std::vector<MountEntry>& mounts);

// The file at `path_in_image` ("DATA/VANTRIC.DAT") of the disc in an optical drive, read from
// the device at the file's extent whether or not the disc is mounted. Where the device cannot
// serve it and the disc is mounted, `mounted_file` (its path under the mount point) is read
// instead, with a note that says why and, when the device may not be opened, which group may.
std::unique_ptr<LinuxDiscFile> OpenOnOpticalDrive(const std::string& device_node,
                                                  const OpticalDriveState& state,
                                                  const std::string& path_in_image,
                                                  const std::optional<std::string>& mounted_file);

// What keeps an unmounted disc in the drive from being read from its device: the open's error,
// with the group that may open it; or the drive's report of no readable disc. Empty when the
// device can be read.
std::string OpticalDriveProblem(const std::string& device_node, const OpticalDriveState& state);

// The three modes one by one; each gives nullptr and says why when it cannot serve the file.
std::unique_ptr<LinuxDiscFile> OpenDirect(const std::string& path, std::string* why_not);
// Reads the file at `path_in_image` of the ISO 9660 volume on `device_or_image` (a block device
// or an image file) straight from the volume. `expected_size` is the size the mounted file
// shows (-1: unknown); another size means the file has more than one extent.
std::unique_ptr<LinuxDiscFile> OpenInImage(const std::string& device_or_image,
                                           const std::string& path_in_image, int64_t expected_size,
                                           std::string* why_not);
std::unique_ptr<LinuxDiscFile> OpenUncached(const std::string& path, std::string note);

}  // namespace vantric
