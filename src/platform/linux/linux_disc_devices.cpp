#include "platform/linux/linux_disc_devices.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/linux/disc_file_opener.h"
#include "platform/linux/drive_path.h"
#include "platform/linux/linux_disc_file.h"
#include "platform/linux/linux_drive_commands.h"
#include "platform/linux/mmc_profile.h"
#include "platform/linux/optical_drive_state.h"
#include "platform/linux/optical_drives.h"

namespace vantric {
namespace {

constexpr int64_t kSectorBytes = 2048;

// The bytes the disc holds as the drive reports them: its capacity for a device, the length of
// an image file standing in for one; -1 when neither can be learnt.
int64_t DiscBytes(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0) return -1;
  if (S_ISREG(status.st_mode)) return status.st_size;
  uint64_t bytes = 0;
  if (S_ISBLK(status.st_mode) && ioctl(fd, BLKGETSIZE64, &bytes) == 0) {
    return static_cast<int64_t>(bytes);
  }
  return -1;
}

std::string NoDisc(const std::string& device) { return device + " reports no readable disc"; }

}  // namespace

std::string DeviceAccessStep() {
  return "reading a drive's device takes membership of the group that owns it, usually\n"
         "    cdrom: sudo adduser $USER cdrom, then log in again";
}

std::vector<std::string> LinuxDiscDevices::List() {
  std::vector<std::string> devices;
  for (const std::string& name : ListOpticalDrives(paths_.sysfs)) {
    devices.push_back(paths_.devices + "/" + name);
  }
  return devices;
}

std::string LinuxDiscDevices::DiscProblem(const std::string& device) {
  const OpticalDriveState state = LookAtOpticalDrive(device, {});
  if (std::string problem = OpticalDriveProblem(device, state); !problem.empty()) return problem;
  const int fd = open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const int64_t bytes = fd < 0 ? -1 : DiscBytes(fd);
  if (fd >= 0) close(fd);
  return bytes > 0 ? "" : NoDisc(device);
}

std::unique_ptr<DiscFile> LinuxDiscDevices::Open(const std::string& device, std::string* why_not) {
  const int fd = open(device.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
  if (fd < 0) {
    *why_not = OpticalDriveProblem(device, OpticalDriveState{errno, false, std::nullopt});
    return nullptr;
  }
  // A disc ends on a whole sector; anything after the last one cannot be read unbuffered.
  const int64_t bytes = DiscBytes(fd) / kSectorBytes * kSectorBytes;
  if (bytes <= 0) {
    *why_not = NoDisc(device);
    close(fd);
    return nullptr;
  }
  return std::make_unique<LinuxDiscFile>(fd, ReadMode::kDevice, 0, bytes, "");
}

std::optional<uint16_t> LinuxDiscDevices::CurrentProfile(const std::string& device) {
  const int fd = open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  const std::optional<uint16_t> profile = ReadCurrentProfile(fd);
  close(fd);
  return profile;
}

std::optional<DriveIdentity> LinuxDiscDevices::Identify(const std::string& device) {
  // /dev/cdrom and the like are links to the drive's own node.
  const std::string node = CanonicalPath(device);
  const std::string name = node.substr(node.rfind('/') + 1);
  const std::vector<std::string> drives = ListOpticalDrives(paths_.sysfs);
  if (std::find(drives.begin(), drives.end(), name) == drives.end()) return std::nullopt;
  return ReadDriveIdentity(paths_.sysfs, name, device);
}

std::unique_ptr<DriveCommands> LinuxDiscDevices::OpenCommands(const std::string& device,
                                                              std::string* why_not) {
  int fd = open(device.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && (errno == EACCES || errno == EROFS)) {
    fd = open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  }
  if (fd < 0) {
    *why_not = OpticalDriveProblem(device, OpticalDriveState{errno, false, std::nullopt});
    return nullptr;
  }
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISBLK(status.st_mode)) {
    *why_not = device + " is not a drive's device: it takes no drive commands";
    close(fd);
    return nullptr;
  }
  return std::make_unique<LinuxDriveCommands>(fd);
}

std::string LinuxDiscDevices::BusOf(const std::string& device) {
  const std::string node = CanonicalPath(device);
  const std::string name = node.substr(node.rfind('/') + 1);
  char resolved[PATH_MAX];
  const std::string link = paths_.sysfs + "/block/" + name + "/device";
  return realpath(link.c_str(), resolved) ? BusFromDevicePath(resolved) : "";
}

}  // namespace vantric
