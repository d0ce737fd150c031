#include "platform/linux/disc_file_opener.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/linux/iso_extent.h"

namespace vantric {
namespace {

constexpr const char* kUncachedNote = "reads are uncached, in 4 KB pages: ";

constexpr size_t kProbeAlignment = 4096;
constexpr size_t kProbeBytes = 2048;  // one sector, the smallest read the tests make

std::string Reason(const std::string& what, int error) {
  return what + " (" + std::strerror(error) + ")";
}

// Some file systems accept O_DIRECT at open and refuse the reads; disks with 4 KB sectors
// refuse 2 KB reads. One real read of a sector settles both.
bool DirectReadWorks(int fd, int64_t at, int* error) {
  void* buffer = std::aligned_alloc(kProbeAlignment, kProbeAlignment);
  if (buffer == nullptr) {
    *error = ENOMEM;
    return false;
  }
  ssize_t got;
  do {
    got = pread(fd, buffer, kProbeBytes, at);
  } while (got < 0 && errno == EINTR);
  *error = errno;
  std::free(buffer);
  return got >= 0;
}

std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? resolved : "";
}

std::string RelativeTo(const std::string& mount_point, const std::string& path) {
  if (mount_point == "/") return path.substr(1);
  return path.size() > mount_point.size() ? path.substr(mount_point.size() + 1) : "";
}

std::string GroupOwning(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return "";
  char names[1024];
  struct group entry {};
  struct group* found = nullptr;
  if (getgrgid_r(status.st_gid, &entry, names, sizeof names, &found) == 0 && found != nullptr) {
    return found->gr_name;
  }
  return std::to_string(status.st_gid);
}

// What to do about a drive the user may not read, for the note.
std::string PermissionHint(const std::string& device_node) {
  const std::string group = GroupOwning(device_node);
  if (group.empty()) return "";
  return ". Members of the group '" + group + "', which owns " + device_node +
         ", get exact reads: run 'sudo usermod -aG " + group + " \"$USER\"' and log in again";
}

int64_t SizeOf(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : -1;
}

}  // namespace

std::unique_ptr<LinuxDiscFile> OpenDirect(const std::string& path, std::string* why_not) {
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
  if (fd < 0) {
    *why_not = Reason("the file system refuses direct reads", errno);
    return nullptr;
  }
  struct stat status {};
  int error = 0;
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    *why_not = "not a regular file";
  } else if (!DirectReadWorks(fd, 0, &error)) {
    *why_not = Reason("direct reads of 2 KB are refused", error);
  } else {
    return std::make_unique<LinuxDiscFile>(fd, ReadMode::kDirect, 0, status.st_size, "");
  }
  close(fd);
  return nullptr;
}

std::unique_ptr<LinuxDiscFile> OpenInImage(const std::string& device_or_image,
                                           const std::string& path_in_image, int64_t expected_size,
                                           std::string* why_not) {
  struct stat source {};
  if (stat(device_or_image.c_str(), &source) != 0 ||
      !(S_ISBLK(source.st_mode) || S_ISREG(source.st_mode))) {
    *why_not = "the mount's source " + device_or_image + " is neither a device nor an image";
    return nullptr;
  }
  // Opened before the directory is read so that a missing permission is named as such.
  const int fd = open(device_or_image.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
  if (fd < 0) {
    *why_not = Reason("cannot read " + device_or_image + " directly", errno);
    return nullptr;
  }
  const std::optional<IsoExtent> extent = FindIsoExtent(device_or_image, path_in_image, why_not);
  int error = 0;
  if (!extent) {
    // why_not is set
  } else if (expected_size >= 0 && extent->size != expected_size) {
    *why_not = "the file lies in several extents on the disc";
  } else if (S_ISREG(source.st_mode) && extent->first_byte + extent->size > source.st_size) {
    *why_not = "the file's extent runs past the end of " + device_or_image;
  } else if (!DirectReadWorks(fd, extent->first_byte, &error)) {
    *why_not = Reason("direct reads of " + device_or_image + " are refused", error);
  } else {
    return std::make_unique<LinuxDiscFile>(fd, ReadMode::kDevice, extent->first_byte, extent->size,
                                           "");
  }
  close(fd);
  return nullptr;
}

std::unique_ptr<LinuxDiscFile> OpenUncached(const std::string& path, std::string note) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return nullptr;
  }
  return std::make_unique<LinuxDiscFile>(fd, ReadMode::kUncached, 0, status.st_size,
                                         std::move(note));
}

std::unique_ptr<LinuxDiscFile> OpenDiscFile(const std::string& path,
                                            const std::vector<MountEntry>& mounts) {
  const std::string real_path = RealPath(path);
  struct stat status {};
  if (real_path.empty() || stat(real_path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return nullptr;
  }
  std::string why_not;
  if (auto file = OpenDirect(real_path, &why_not)) return file;
  const std::optional<MountEntry> mount = FindMountOf(mounts, real_path);
  if (mount && IsOpticalMount(*mount)) {
    if (auto file = OpenInImage(mount->source, RelativeTo(mount->mount_point, real_path),
                                status.st_size, &why_not)) {
      return file;
    }
  }
  return OpenUncached(real_path, kUncachedNote + why_not);
}

std::string OpticalDriveProblem(const std::string& device_node, const OpticalDriveState& state) {
  if (state.open_error != 0) {
    std::string problem = Reason("cannot open " + device_node, state.open_error);
    if (state.open_error == EACCES || state.open_error == EPERM) {
      problem += PermissionHint(device_node);
    }
    return problem;
  }
  if (!state.disc_ready) return device_node + " reports no readable disc";
  return "";
}

std::unique_ptr<LinuxDiscFile> OpenOnOpticalDrive(const std::string& device_node,
                                                  const OpticalDriveState& state,
                                                  const std::string& path_in_image,
                                                  const std::optional<std::string>& mounted_file) {
  std::string why_not = OpticalDriveProblem(device_node, state);
  if (why_not.empty()) {
    if (auto file = OpenInImage(device_node, path_in_image,
                                mounted_file ? SizeOf(*mounted_file) : -1, &why_not)) {
      return file;
    }
  }
  if (!mounted_file) return nullptr;
  // A mounted file system that takes direct reads (UDF does) is as exact as the device.
  std::string ignored;
  if (auto file = OpenDirect(*mounted_file, &ignored)) return file;
  return OpenUncached(*mounted_file, kUncachedNote + why_not);
}

}  // namespace vantric
