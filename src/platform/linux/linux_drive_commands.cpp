#include "platform/linux/linux_drive_commands.h"

#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantric {
namespace {

constexpr size_t kSenseBytes = 64;
// The host adapter's verdict: 0 is "no error"; a timed-out command comes back as 3.
constexpr unsigned short kHostTimedOut = 3;

int DirectionOf(DataDirection direction) {
  switch (direction) {
    case DataDirection::kFromDrive:
      return SG_DXFER_FROM_DEV;
    case DataDirection::kToDrive:
      return SG_DXFER_TO_DEV;
    case DataDirection::kNone:
      break;
  }
  return SG_DXFER_NONE;
}

}  // namespace

LinuxDriveCommands::~LinuxDriveCommands() { close(fd_); }

CommandReply LinuxDriveCommands::Send(std::span<const uint8_t> cdb, DataDirection direction,
                                      std::span<uint8_t> data, unsigned timeout_ms) {
  CommandReply reply;
  unsigned char sense[kSenseBytes] = {};
  sg_io_hdr_t io{};
  io.interface_id = 'S';
  io.cmd_len = static_cast<unsigned char>(cdb.size());
  io.cmdp = const_cast<unsigned char*>(cdb.data());
  io.dxfer_direction =
      direction == DataDirection::kNone || data.empty() ? SG_DXFER_NONE : DirectionOf(direction);
  io.dxferp = data.data();
  io.dxfer_len = static_cast<unsigned int>(data.size());
  io.sbp = sense;
  io.mx_sb_len = sizeof sense;
  io.timeout = timeout_ms;
  if (ioctl(fd_, SG_IO, &io) != 0) {
    reply.system_error = errno;
    return reply;
  }
  if (io.host_status != 0) {
    reply.system_error = io.host_status == kHostTimedOut ? ETIMEDOUT : EIO;
    return reply;
  }
  reply.delivered = true;
  reply.status = io.status;
  reply.sense.assign(sense, sense + io.sb_len_wr);
  const int moved = static_cast<int>(io.dxfer_len) - io.resid;
  reply.transferred = moved > 0 ? static_cast<size_t>(moved) : 0;
  return reply;
}

std::string LinuxDriveCommands::ErrorText(int system_error) const {
  return std::strerror(system_error);
}

std::string BusFromDevicePath(const std::string& path) {
  if (path.empty()) return "";
  // The nearest controller to the drive names the bus: a USB bridge may sit behind ATA names.
  const struct {
    const char* part;
    const char* bus;
  } kBuses[] = {{"/usb", "USB"}, {"/firewire", "FireWire"}, {"/ata", "ATA"}, {"/virtio", "virtio"}};
  size_t nearest = std::string::npos;
  std::string bus = "SCSI";
  for (const auto& candidate : kBuses) {
    const size_t at = path.rfind(candidate.part);
    if (at != std::string::npos && (nearest == std::string::npos || at > nearest)) {
      nearest = at;
      bus = candidate.bus;
    }
  }
  return bus;
}

}  // namespace vantric
