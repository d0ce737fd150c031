#include "platform/linux/optical_drive_state.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>  // CDSL_CURRENT is INT_MAX

namespace vantric {
namespace {

bool SameDevice(const std::string& device_node, const struct stat& device,
                const std::string& source) {
  if (source == device_node) return true;
  struct stat other {};
  // Only absolute paths can name a device; "//server/share" is a network source.
  if (!source.starts_with('/') || source.starts_with("//") || stat(source.c_str(), &other) != 0) {
    return false;
  }
  if (S_ISBLK(device.st_mode) && S_ISBLK(other.st_mode)) return device.st_rdev == other.st_rdev;
  return S_ISREG(device.st_mode) && device.st_dev == other.st_dev && device.st_ino == other.st_ino;
}

bool DiscReady(int fd) {
  const int status = ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
  if (status >= 0) return status == CDS_DISC_OK;
  // Not a drive that answers the question (an image file, a loop device): its volume is read
  // as a disc's would be.
  return errno == ENOTTY || errno == EINVAL;
}

}  // namespace

OpticalDriveState LookAtOpticalDrive(const std::string& device_node,
                                     const std::vector<MountEntry>& mounts) {
  OpticalDriveState state;
  const int fd = open(device_node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    state.open_error = errno;
  } else {
    state.disc_ready = DiscReady(fd);
    close(fd);
  }
  state.mount_point = CurrentMountPoint(device_node, mounts);
  return state;
}

std::optional<std::string> CurrentMountPoint(const std::string& device_node,
                                             const std::vector<MountEntry>& mounts) {
  struct stat device {};  // stays zero, matching no other file, when the node is missing
  stat(device_node.c_str(), &device);
  std::optional<std::string> found;
  for (size_t i = 0; i < mounts.size(); ++i) {
    if (SameDevice(device_node, device, mounts[i].source) && !CoveredByLaterMount(mounts, i)) {
      found = mounts[i].mount_point;
    }
  }
  return found;
}

}  // namespace vantric
