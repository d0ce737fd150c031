#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantric {

// One line of /proc/self/mounts, with the octal escapes (\040 for a blank) decoded.
struct MountEntry {
  std::string source;
  std::string mount_point;
  std::string fs_type;
};

// The mounts in the order the kernel lists them; later entries hide earlier ones at the same
// place.
std::vector<MountEntry> ParseMountTable(std::string_view text);
// Reads and parses a mounts file; an unreadable file gives an empty table.
std::vector<MountEntry> ReadMountTable(const std::string& path);

// Whether a mount at the same place further down the table hides mounts[index].
bool CoveredByLaterMount(const std::vector<MountEntry>& mounts, size_t index);

// The mount holding an absolute, symlink-free path: the last entry with the longest mount point
// that contains it.
std::optional<MountEntry> FindMountOf(const std::vector<MountEntry>& mounts,
                                      const std::string& path);

// Whether the mount holds a CD or DVD file system (or sits on an optical drive).
bool IsOpticalMount(const MountEntry& mount);
// Whether the mount is a network share.
bool IsNetworkMount(const MountEntry& mount);

}  // namespace vantric
