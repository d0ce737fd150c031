#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/linux/drive_table.h"
#include "platform/linux/system_paths.h"

namespace vantric {

// Drive letters over Linux: the --drive folders, the optical drives and the network mounts,
// listed once when made. An optical drive's disc is looked for every time it is asked about:
// under its current mount point, or in the ISO 9660 directory on the device when it is not
// mounted.
class LinuxDrives : public Drives {
 public:
  explicit LinuxDrives(std::vector<std::string> drive_directories, SystemPaths paths = {});

  // Stands in for GetDriveTypeA; DRIVE_NO_ROOT_DIR for a letter without a drive.
  uint32_t GetDriveType(const std::string& root) override;
  // Stands in for CreateFileA (read-only) and CloseHandle: a regular file that opens, or a file
  // the disc's directory lists.
  bool CanOpenForReading(const std::string& path) override;
  // Stands in for CreateFileA with FILE_FLAG_NO_BUFFERING: direct, device or uncached reads.
  std::unique_ptr<DiscFile> OpenUnbuffered(const std::string& path) override;
  // The file under its folder or the disc's mount point; for a disc that is not mounted, the
  // device and the path on the disc ("/dev/sr0:/DATA/VANTRIC.DAT").
  std::string LocalPath(const std::string& path) override;
  // The optical drive's device, vendor, model and revision; nothing for a folder.
  std::optional<DriveIdentity> IdentifyDrive(const std::string& path) override;
  // For an optical drive whose disc is not mounted: an empty drive, or a device the user may
  // not open.
  std::string DriveProblem(const std::string& root) override;

  // Why the last file opened is read less exactly than direct; empty when it is not.
  std::string LastOpenNote() const override { return last_open_note_; }

  const std::vector<DriveLetter>& Table() const { return table_; }

 private:
  const DriveLetter* Find(const std::string& path) const;
  std::string DeviceNode(const DriveLetter& drive) const;
  // Whether a --drive folder stands for this mount point already.
  bool MountedUnderDriveFolder(const std::string& mount_point) const;
  bool CanOpenOnOpticalDrive(const DriveLetter& drive, const std::string& rest);

  SystemPaths paths_;
  std::vector<DriveLetter> table_;
  std::string last_open_note_;
};

}  // namespace vantric
