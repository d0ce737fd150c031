// drive-control, for the test guest:
//   drive-control speed DEVICE X          sets the read speed with CDROM_SELECT_SPEED (0: the
//                                         fastest)
//   drive-control ring-cost DEVICE COUNT  sends COUNT TEST UNIT READY commands through SG_IO and
//                                         prints the mean time each took, in microseconds
#include <fcntl.h>
#include <linux/cdrom.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double Seconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

int Fail(const char* what) {
  std::fprintf(stderr, "drive-control: %s: %s\n", what, std::strerror(errno));
  return 1;
}

int RingCost(int fd, long count) {
  const double start = Seconds();
  for (long i = 0; i < count; ++i) {
    unsigned char cdb[6] = {};  // TEST UNIT READY
    unsigned char sense[32];
    sg_io_hdr_t io{};
    io.interface_id = 'S';
    io.dxfer_direction = SG_DXFER_NONE;
    io.cmdp = cdb;
    io.cmd_len = sizeof cdb;
    io.sbp = sense;
    io.mx_sb_len = sizeof sense;
    io.timeout = 10000;
    if (ioctl(fd, SG_IO, &io) != 0) return Fail("SG_IO");
    if (io.status != 0) {
      std::fprintf(stderr, "drive-control: TEST UNIT READY: status %d\n", io.status);
      return 1;
    }
  }
  std::printf("%.1f\n", (Seconds() - start) / static_cast<double>(count) * 1e6);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: drive-control speed DEVICE X | ring-cost DEVICE COUNT\n");
    return 2;
  }
  const std::string command = argv[1];
  const long value = std::strtol(argv[3], nullptr, 10);
  const int fd = open(argv[2], O_RDONLY | O_NONBLOCK);
  if (fd < 0) return Fail(argv[2]);
  if (command == "speed") {
    if (ioctl(fd, CDROM_SELECT_SPEED, value) != 0) return Fail("CDROM_SELECT_SPEED");
    return 0;
  }
  if (command == "ring-cost" && value > 0) return RingCost(fd, value);
  std::fprintf(stderr, "drive-control: unknown command %s\n", command.c_str());
  return 2;
}
