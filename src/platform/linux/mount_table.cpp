#include "platform/linux/mount_table.h"

#include <array>
#include <fstream>
#include <sstream>

namespace vantric {
namespace {

std::string DecodeOctalEscapes(std::string_view field) {
  std::string decoded;
  decoded.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    const bool escape = field[i] == '\\' && i + 3 < field.size();
    if (escape && field[i + 1] >= '0' && field[i + 1] <= '3' && field[i + 2] >= '0' &&
        field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
      decoded.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                          (field[i + 3] - '0')));
      i += 3;
    } else {
      decoded.push_back(field[i]);
    }
  }
  return decoded;
}

bool Contains(const std::string& mount_point, const std::string& path) {
  if (mount_point == "/") return !path.empty() && path.front() == '/';
  if (path.compare(0, mount_point.size(), mount_point) != 0) return false;
  return path.size() == mount_point.size() || path[mount_point.size()] == '/';
}

template <size_t N>
bool OneOf(const std::string& value, const std::array<const char*, N>& names) {
  for (const char* name : names) {
    if (value == name) return true;
  }
  return false;
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> mounts;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string source, mount_point, fs_type;
    if (!(fields >> source >> mount_point >> fs_type)) continue;
    mounts.push_back(
        {DecodeOctalEscapes(source), DecodeOctalEscapes(mount_point), DecodeOctalEscapes(fs_type)});
  }
  return mounts;
}

std::vector<MountEntry> ReadMountTable(const std::string& path) {
  std::ifstream file(path);
  if (!file) return {};
  std::ostringstream text;
  text << file.rdbuf();
  return ParseMountTable(text.str());
}

bool CoveredByLaterMount(const std::vector<MountEntry>& mounts, size_t index) {
  for (size_t later = index + 1; later < mounts.size(); ++later) {
    if (mounts[later].mount_point == mounts[index].mount_point) return true;
  }
  return false;
}

std::optional<MountEntry> FindMountOf(const std::vector<MountEntry>& mounts,
                                      const std::string& path) {
  const MountEntry* best = nullptr;
  for (const MountEntry& mount : mounts) {
    if (!Contains(mount.mount_point, path)) continue;
    if (best == nullptr || mount.mount_point.size() >= best->mount_point.size()) best = &mount;
  }
  if (best == nullptr) return std::nullopt;
  return *best;
}

bool IsOpticalMount(const MountEntry& mount) {
  static constexpr std::array<const char*, 3> kOpticalTypes = {"iso9660", "udf", "fuse.fuseiso"};
  return OneOf(mount.fs_type, kOpticalTypes) || mount.source.starts_with("/dev/sr");
}

bool IsNetworkMount(const MountEntry& mount) {
  // 9p and virtiofs carry a host's folders into a virtual machine: remote as far as the
  // benchmark is concerned.
  static constexpr std::array<const char*, 13> kNetworkTypes = {
      "nfs", "nfs4", "cifs", "smb3",      "smbfs",    "ncpfs",         "fuse.sshfs",
      "9p",  "afs",  "ceph", "glusterfs", "virtiofs", "fuse.glusterfs"};
  return OneOf(mount.fs_type, kNetworkTypes);
}

}  // namespace vantric
