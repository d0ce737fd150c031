#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantric {

// Which way a command's data goes.
enum class DataDirection { kNone, kFromDrive, kToDrive };

// What became of one command sent to a drive.
struct CommandReply {
  // The system passed the command on and the drive answered it; otherwise `system_error` is
  // the system's code for why not (the device is gone, the command timed out, no permission).
  bool delivered = false;
  int system_error = 0;
  uint8_t status = 0;          // the SCSI status: 0 GOOD, 2 CHECK CONDITION, 8 BUSY
  std::vector<uint8_t> sense;  // what the drive said with CHECK CONDITION
  size_t transferred = 0;      // bytes of data that moved

  bool Good() const { return delivered && status == 0; }
};

// A drive opened for commands of its own, the SCSI/MMC commands of optical drives, which the
// program builds and reads itself.
class DriveCommands {
 public:
  virtual ~DriveCommands() = default;

  // Stands in for IOCTL_SCSI_PASS_THROUGH_DIRECT: sends `cdb` with `data` (filled by the drive
  // for kFromDrive, sent to it for kToDrive) and waits for the answer, at most `timeout_ms`.
  virtual CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction,
                            std::span<uint8_t> data, unsigned timeout_ms) = 0;
  // The system's wording of a `system_error`.
  virtual std::string ErrorText(int system_error) const = 0;
};

}  // namespace vantric
