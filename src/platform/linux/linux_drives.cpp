#include "platform/linux/linux_drives.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/disc_file_opener.h"
#include "platform/linux/drive_path.h"
#include "platform/linux/iso_extent.h"
#include "platform/linux/optical_drive_state.h"
#include "platform/linux/optical_drives.h"
#include "platform/path_components.h"

namespace vantric {
namespace {

bool IsRegularFile(const std::string& path) {
  // O_NONBLOCK: a FIFO of that name must not hang the search.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  close(fd);
  return regular;
}

}  // namespace

LinuxDrives::LinuxDrives(std::vector<std::string> drive_directories, SystemPaths paths)
    : paths_(std::move(paths)),
      table_(BuildDriveTable(drive_directories, ListOpticalDrives(paths_.sysfs),
                             ReadMountTable(paths_.mounts))) {}

const DriveLetter* LinuxDrives::Find(const std::string& path) const {
  if (path.size() < 2 || path[1] != ':') return nullptr;
  for (const DriveLetter& drive : table_) {
    if (drive.letter == UpperAscii(path[0])) return &drive;
  }
  return nullptr;
}

std::string LinuxDrives::DeviceNode(const DriveLetter& drive) const {
  return paths_.devices + "/" + drive.device;
}

bool LinuxDrives::MountedUnderDriveFolder(const std::string& mount_point) const {
  const std::string place = CanonicalPath(mount_point);
  for (const DriveLetter& drive : table_) {
    if (drive.device.empty() && drive.root == place) return true;
  }
  return false;
}

uint32_t LinuxDrives::GetDriveType(const std::string& root) {
  if (root.size() != 3 || root[2] != '\\') return DRIVE_NO_ROOT_DIR;
  const DriveLetter* drive = Find(root);
  return drive != nullptr ? drive->type : DRIVE_NO_ROOT_DIR;
}

std::string LinuxDrives::LocalPath(const std::string& path) {
  const DriveLetter* drive = Find(path);
  if (drive == nullptr) return "";
  const std::string rest = path.substr(2);
  if (drive->device.empty()) return ResolveUnderRoot(drive->root, rest).value_or("");
  const std::string node = DeviceNode(*drive);
  if (const auto mount_point = CurrentMountPoint(node, ReadMountTable(paths_.mounts))) {
    return ResolveUnderRoot(*mount_point, rest).value_or("");
  }
  const std::optional<std::string> in_volume = PathInVolume(rest);
  return in_volume ? node + ":/" + *in_volume : "";
}

bool LinuxDrives::CanOpenForReading(const std::string& path) {
  const DriveLetter* drive = Find(path);
  if (drive == nullptr) return false;
  if (!drive->device.empty()) return CanOpenOnOpticalDrive(*drive, path.substr(2));
  const std::string local = LocalPath(path);
  return !local.empty() && IsRegularFile(local);
}

bool LinuxDrives::CanOpenOnOpticalDrive(const DriveLetter& drive, const std::string& rest) {
  const std::string node = DeviceNode(drive);
  const OpticalDriveState state = LookAtOpticalDrive(node, ReadMountTable(paths_.mounts));
  if (state.mount_point) {
    // That folder's letter finds the same disc; one disc must not count as two.
    if (MountedUnderDriveFolder(*state.mount_point)) return false;
    const std::optional<std::string> local = ResolveUnderRoot(*state.mount_point, rest);
    return local && IsRegularFile(*local);
  }
  const std::optional<std::string> in_volume = PathInVolume(rest);
  std::string ignored;
  return state.disc_ready && in_volume && FindIsoExtent(node, *in_volume, &ignored).has_value();
}

std::unique_ptr<DiscFile> LinuxDrives::OpenUnbuffered(const std::string& path) {
  last_open_note_.clear();
  const DriveLetter* drive = Find(path);
  if (drive == nullptr) return nullptr;
  const std::vector<MountEntry> mounts = ReadMountTable(paths_.mounts);
  std::unique_ptr<LinuxDiscFile> file;
  if (drive->device.empty()) {
    const std::string local = LocalPath(path);
    if (!local.empty()) file = OpenDiscFile(local, mounts);
  } else {
    const std::string rest = path.substr(2);
    const std::string node = DeviceNode(*drive);
    const OpticalDriveState state = LookAtOpticalDrive(node, mounts);
    const std::optional<std::string> in_volume = PathInVolume(rest);
    std::optional<std::string> mounted_file;
    if (state.mount_point) mounted_file = ResolveUnderRoot(*state.mount_point, rest);
    if (in_volume) file = OpenOnOpticalDrive(node, state, *in_volume, mounted_file);
  }
  if (file) last_open_note_ = file->Note();
  return file;
}

std::string LinuxDrives::DriveProblem(const std::string& root) {
  const DriveLetter* drive = Find(root);
  if (drive == nullptr || drive->device.empty()) return "";
  const std::string node = DeviceNode(*drive);
  const OpticalDriveState state = LookAtOpticalDrive(node, ReadMountTable(paths_.mounts));
  // A mounted disc is looked into through its mount point, whatever the device allows.
  return state.mount_point ? "" : OpticalDriveProblem(node, state);
}

std::optional<DriveIdentity> LinuxDrives::IdentifyDrive(const std::string& path) {
  const DriveLetter* drive = Find(path);
  if (drive == nullptr || drive->device.empty()) return std::nullopt;
  return ReadDriveIdentity(paths_.sysfs, drive->device, DeviceNode(*drive));
}

}  // namespace vantric
