#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/drive_commands.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <ntddscsi.h>

namespace vantric {

// IOCTL_SCSI_PASS_THROUGH_DIRECT's buffer: the request, then room for the drive's sense data.
struct PassThroughRequest {
  SCSI_PASS_THROUGH_DIRECT request;
  ULONG align;
  UCHAR sense[64];
};

// The request for one command, its data read into or sent from `data` where it lies.
PassThroughRequest MakePassThroughRequest(std::span<const uint8_t> cdb, DataDirection direction,
                                          std::span<uint8_t> data, unsigned timeout_ms);
// What the drive answered, from the request as DeviceIoControl left it.
CommandReply PassThroughReply(const PassThroughRequest& answered);

// A drive letter's volume opened for IOCTL_SCSI_PASS_THROUGH_DIRECT.
class Win32DriveCommands : public DriveCommands {
 public:
  explicit Win32DriveCommands(HANDLE volume) : volume_(volume) {}
  ~Win32DriveCommands() override;
  Win32DriveCommands(const Win32DriveCommands&) = delete;
  Win32DriveCommands& operator=(const Win32DriveCommands&) = delete;

  // Stands in for IOCTL_SCSI_PASS_THROUGH_DIRECT: it is that call.
  CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction, std::span<uint8_t> data,
                    unsigned timeout_ms) override;
  std::string ErrorText(int system_error) const override;

 private:
  HANDLE volume_;
};

}  // namespace vantric
