#pragma once

#include <string>
#include <vector>

#include "platform/disc_devices.h"

namespace vantric {

// The CD-ROM drive letters as whole discs, read through their volumes ("\\.\E:"). A file may
// stand in for a drive, as an image of the disc it holds.
class Win32DiscDevices : public DiscDevices {
 public:
  // Stands in for GetDriveTypeA on every letter: it is that call.
  std::vector<std::string> List() override;
  // Stands in for IOCTL_STORAGE_CHECK_VERIFY2: it is that call, with critical errors turned off.
  std::string DiscProblem(const std::string& device) override;
  // Stands in for CreateFileA with FILE_FLAG_NO_BUFFERING and IOCTL_DISK_GET_LENGTH_INFO: it is
  // those calls (an image's size is its length).
  std::unique_ptr<DiscFile> Open(const std::string& device, std::string* why_not) override;
  // Stands in for IOCTL_CDROM_GET_CONFIGURATION: it is that call.
  std::optional<uint16_t> CurrentProfile(const std::string& device) override;
  // IOCTL_STORAGE_QUERY_PROPERTY on the volume.
  std::optional<DriveIdentity> Identify(const std::string& device) override;
  // Stands in for CreateFileA on the volume for IOCTL_SCSI_PASS_THROUGH_DIRECT: it is that call,
  // with read and write access, which the pass-through needs.
  std::unique_ptr<DriveCommands> OpenCommands(const std::string& device,
                                              std::string* why_not) override;
  // IOCTL_STORAGE_QUERY_PROPERTY's bus type.
  std::string BusOf(const std::string& device) override;
};

}  // namespace vantric
