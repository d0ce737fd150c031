#pragma once

#include <string>
#include <vector>

#include "platform/disc_devices.h"
#include "platform/linux/system_paths.h"

namespace vantric {

// The sr block devices as whole discs. An ordinary file may stand in for a device node, as an
// image of the disc the drive holds (empty: no disc), as the tests' machines have it.
class LinuxDiscDevices : public DiscDevices {
 public:
  explicit LinuxDiscDevices(SystemPaths paths = {}) : paths_(std::move(paths)) {}

  // The sr devices sysfs lists, as their nodes ("/dev/sr0").
  std::vector<std::string> List() override;
  // Stands in for IOCTL_STORAGE_CHECK_VERIFY2: CDROM_DRIVE_STATUS on the device opened with
  // O_NONBLOCK, which neither waits for the drive nor closes its tray.
  std::string DiscProblem(const std::string& device) override;
  // Stands in for CreateFileA with FILE_FLAG_NO_BUFFERING and IOCTL_DISK_GET_LENGTH_INFO:
  // O_DIRECT on the device, its size from BLKGETSIZE64.
  std::unique_ptr<DiscFile> Open(const std::string& device, std::string* why_not) override;
  // Stands in for IOCTL_CDROM_GET_CONFIGURATION: GET CONFIGURATION through SG_IO.
  std::optional<uint16_t> CurrentProfile(const std::string& device) override;
  // Vendor, model and revision from sysfs, for an sr device (or a link to one, as /dev/cdrom).
  std::optional<DriveIdentity> Identify(const std::string& device) override;
  // Stands in for CreateFileA on the volume for IOCTL_SCSI_PASS_THROUGH_DIRECT: the block device
  // opened for SG_IO, read and write where the user may (SET CD SPEED and MODE SELECT need it),
  // otherwise read-only.
  std::unique_ptr<DriveCommands> OpenCommands(const std::string& device,
                                              std::string* why_not) override;
  // From the path of the drive's device in sysfs.
  std::string BusOf(const std::string& device) override;

 private:
  SystemPaths paths_;
};

}  // namespace vantric
