#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/linux_disc_file.h"
#include "platform/mount_table.h"

namespace vantric {

// Opens a test file so that every read reaches the drive, in the most exact mode that works:
// direct, then device (for a file on a CD file system, which refuses direct reads), then
// uncached. nullptr when the file cannot be opened at all; `Note()` of the result says why a
// less exact mode was chosen.
std::unique_ptr<LinuxDiscFile> OpenDiscFile(const std::string& path,
                                            const std::vector<MountEntry>& mounts);

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
