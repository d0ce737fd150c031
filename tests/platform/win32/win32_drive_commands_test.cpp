// The pass-through requests the Windows build sends a drive, built and read back through the
// platform's seam: Wine has no optical drive to send them to.
#include "platform/win32/win32_drive_commands.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "platform/win32/win32_disc_devices.h"

namespace vantric::testing {
namespace {

TEST(Win32DriveCommands, RequestsCarryTheCommandItsDataAndRoomForSense) {
  const std::vector<uint8_t> read_cd = {0xBE, 0x04, 0, 0, 0x01, 0x2C, 0, 0, 2, 0xFA, 0, 0};
  std::vector<uint8_t> buffer(2 * 2646);
  struct Case {
    DataDirection direction;
    size_t bytes;
    unsigned timeout_ms;
    UCHAR data_in;
    ULONG seconds;
  };
  for (const Case& c :
       {Case{DataDirection::kFromDrive, buffer.size(), 30'000, SCSI_IOCTL_DATA_IN, 30},
        Case{DataDirection::kToDrive, 28, 1, SCSI_IOCTL_DATA_OUT, 1},
        Case{DataDirection::kNone, 0, 1500, SCSI_IOCTL_DATA_UNSPECIFIED, 2}}) {
    const std::span<uint8_t> data(buffer.data(), c.bytes);
    const PassThroughRequest request =
        MakePassThroughRequest(read_cd, c.direction, data, c.timeout_ms);
    const SCSI_PASS_THROUGH_DIRECT& r = request.request;
    EXPECT_EQ(r.Length, sizeof(SCSI_PASS_THROUGH_DIRECT));
    ASSERT_EQ(r.CdbLength, read_cd.size());
    EXPECT_TRUE(std::equal(read_cd.begin(), read_cd.end(), r.Cdb));
    EXPECT_EQ(r.DataIn, c.data_in);
    EXPECT_EQ(r.DataTransferLength, c.bytes);
    EXPECT_EQ(r.DataBuffer, c.bytes ? buffer.data() : nullptr);
    EXPECT_EQ(r.TimeOutValue, c.seconds);
    // The sense data lands in the request's own buffer, all of its room offered.
    EXPECT_EQ(reinterpret_cast<const UCHAR*>(&request) + r.SenseInfoOffset, request.sense);
    EXPECT_EQ(r.SenseInfoLength, sizeof request.sense);
  }
}

TEST(Win32DriveCommands, RepliesGiveStatusDataMovedAndTheSenseTheDriverReturned) {
  std::vector<uint8_t> buffer(2048);
  const std::vector<uint8_t> read10 = {0x28, 0, 0, 0, 0, 100, 0, 0, 1, 0};
  PassThroughRequest answered =
      MakePassThroughRequest(read10, DataDirection::kFromDrive, buffer, 10'000);
  answered.request.ScsiStatus = 2;
  answered.request.SenseInfoLength = 18;
  answered.request.DataTransferLength = 0;
  answered.sense[0] = 0xF0;
  answered.sense[2] = 0x03;
  answered.sense[6] = 100;
  answered.sense[12] = 0x11;
  CommandReply reply = PassThroughReply(answered);
  EXPECT_TRUE(reply.delivered);
  EXPECT_FALSE(reply.Good());
  EXPECT_EQ(reply.status, 2);
  ASSERT_EQ(reply.sense.size(), 18u);
  EXPECT_EQ(reply.sense[2], 0x03);
  EXPECT_EQ(reply.sense[12], 0x11);
  EXPECT_EQ(reply.transferred, 0u);

  answered.request.ScsiStatus = 0;
  answered.request.DataTransferLength = 2048;
  reply = PassThroughReply(answered);
  EXPECT_TRUE(reply.Good());
  EXPECT_TRUE(reply.sense.empty());
  EXPECT_EQ(reply.transferred, 2048u);
  // A driver that claims more sense than there is room for is held to the room.
  answered.request.ScsiStatus = 2;
  answered.request.SenseInfoLength = 200;
  EXPECT_EQ(PassThroughReply(answered).sense.size(), sizeof answered.sense);
}

TEST(Win32DriveCommands, WhatIsNoDriveLetterTakesNoCommandsAndSaysSo) {
  Win32DiscDevices devices;
  std::string why;
  EXPECT_EQ(devices.OpenCommands("C:\\discs\\data.iso", &why), nullptr);
  EXPECT_EQ(why, "C:\\discs\\data.iso is not a drive letter: it takes no drive commands");
}

}  // namespace
}  // namespace vantric::testing
