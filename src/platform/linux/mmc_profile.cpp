#include "platform/linux/mmc_profile.h"

#include <scsi/sg.h>
#include <sys/ioctl.h>

namespace vantric {
namespace {

constexpr unsigned char kGetConfiguration = 0x46;
// Only the feature asked for; feature 0, the profile list, is the cheapest to answer.
constexpr unsigned char kOneFeature = 0x02;
// The feature header: data length (4 bytes), reserved (2), current profile (2).
constexpr unsigned int kHeaderBytes = 8;
constexpr unsigned int kTimeoutMs = 5000;

}  // namespace

std::optional<uint16_t> ReadCurrentProfile(int fd) {
  unsigned char command[10] = {kGetConfiguration, kOneFeature, 0, 0, 0, 0, 0, 0, kHeaderBytes, 0};
  unsigned char header[kHeaderBytes] = {};
  unsigned char sense[32] = {};
  sg_io_hdr_t io{};
  io.interface_id = 'S';
  io.cmd_len = sizeof command;
  io.cmdp = command;
  io.dxfer_direction = SG_DXFER_FROM_DEV;
  io.dxferp = header;
  io.dxfer_len = sizeof header;
  io.sbp = sense;
  io.mx_sb_len = sizeof sense;
  io.timeout = kTimeoutMs;
  if (ioctl(fd, SG_IO, &io) != 0 || (io.info & SG_INFO_OK_MASK) != SG_INFO_OK) return std::nullopt;
  if (io.resid < 0 || sizeof header - static_cast<unsigned int>(io.resid) < kHeaderBytes) {
    return std::nullopt;
  }
  const auto profile = static_cast<uint16_t>(header[6] << 8 | header[7]);
  if (profile == 0) return std::nullopt;
  return profile;
}

}  // namespace vantric
