#pragma once

#include <string>

#include "platform/drive_commands.h"

namespace vantric {

// An sr device opened for SG_IO, which the kernel passes to the drive as it is.
class LinuxDriveCommands : public DriveCommands {
 public:
  explicit LinuxDriveCommands(int fd) : fd_(fd) {}
  ~LinuxDriveCommands() override;
  LinuxDriveCommands(const LinuxDriveCommands&) = delete;
  LinuxDriveCommands& operator=(const LinuxDriveCommands&) = delete;

  // Stands in for IOCTL_SCSI_PASS_THROUGH_DIRECT: SG_IO.
  CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction, std::span<uint8_t> data,
                    unsigned timeout_ms) override;
  std::string ErrorText(int system_error) const override;

 private:
  int fd_;
};

// The bus of a drive from the path its sysfs device resolves to ("/sys/devices/.../ata2/..."):
// "ATA", "USB", "FireWire", "virtio", or "SCSI" for what is none of them; empty for no path.
std::string BusFromDevicePath(const std::string& path);

}  // namespace vantric
