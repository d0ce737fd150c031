#include "platform/win32/win32_drive_commands.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/win32/win32_error.h"

namespace vantric {
namespace {

constexpr UCHAR kCheckCondition = 2;

UCHAR DirectionOf(DataDirection direction) {
  switch (direction) {
    case DataDirection::kFromDrive:
      return SCSI_IOCTL_DATA_IN;
    case DataDirection::kToDrive:
      return SCSI_IOCTL_DATA_OUT;
    case DataDirection::kNone:
      break;
  }
  return SCSI_IOCTL_DATA_UNSPECIFIED;
}

}  // namespace

PassThroughRequest MakePassThroughRequest(std::span<const uint8_t> cdb, DataDirection direction,
                                          std::span<uint8_t> data, unsigned timeout_ms) {
  PassThroughRequest request{};
  SCSI_PASS_THROUGH_DIRECT& r = request.request;
  r.Length = sizeof r;
  r.CdbLength = static_cast<UCHAR>(std::min<size_t>(cdb.size(), sizeof r.Cdb));
  std::memcpy(r.Cdb, cdb.data(), r.CdbLength);
  r.SenseInfoLength = sizeof request.sense;
  r.SenseInfoOffset = offsetof(PassThroughRequest, sense);
  r.DataIn = data.empty() ? SCSI_IOCTL_DATA_UNSPECIFIED : DirectionOf(direction);
  r.DataTransferLength = static_cast<ULONG>(data.size());
  r.DataBuffer = data.empty() ? nullptr : data.data();
  // Whole seconds, never none: 0 would leave the port driver's own limit.
  r.TimeOutValue = std::max(1u, (timeout_ms + 999) / 1000);
  return request;
}

CommandReply PassThroughReply(const PassThroughRequest& answered) {
  CommandReply reply;
  reply.delivered = true;
  reply.status = answered.request.ScsiStatus;
  reply.transferred = answered.request.DataTransferLength;
  if (reply.status == kCheckCondition) {
    const size_t length = std::min<size_t>(answered.request.SenseInfoLength, sizeof answered.sense);
    reply.sense.assign(answered.sense, answered.sense + length);
  }
  return reply;
}

Win32DriveCommands::~Win32DriveCommands() { CloseHandle(volume_); }

CommandReply Win32DriveCommands::Send(std::span<const uint8_t> cdb, DataDirection direction,
                                      std::span<uint8_t> data, unsigned timeout_ms) {
  PassThroughRequest request = MakePassThroughRequest(cdb, direction, data, timeout_ms);
  DWORD got = 0;
  if (!DeviceIoControl(volume_, IOCTL_SCSI_PASS_THROUGH_DIRECT, &request, sizeof request, &request,
                       sizeof request, &got, nullptr)) {
    CommandReply reply;
    reply.system_error = static_cast<int>(GetLastError());
    return reply;
  }
  return PassThroughReply(request);
}

std::string Win32DriveCommands::ErrorText(int system_error) const {
  return Win32ErrorText(static_cast<uint32_t>(system_error));
}

}  // namespace vantric
