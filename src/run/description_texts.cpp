#include "run/description_texts.h"

namespace vantric {

const std::array<const char*, 14> DescriptionTexts = {
    "Vantric is preparing your system for CD-ROM benchmarking.",
    "The 16k read test performs 16k reads at the inside, center, and outside of the disc. CAV "
    "drives will have different speeds at each position.",
    "The 2k read test performs 2k reads at the inside, center, and outside of the disc. These are "
    "the slowest sequential read speeds the drive can produce.",
    "Vantric is calculating the software overhead involved in a random access seek operation.  "
    "This overhead comes from caching, device drivers, and controller cards. Overhead is "
    "calculated so that true drive access times can be reported.",
    "The full stroke test performs seeks over the entire CD-ROM disc and reads a 2k block. This is "
    "the MAXIMUM time required to access data non-sequentialy on the CD-ROM.",
    "The random access test performs 200 random seeks followed by 2k block reads. This represents "
    "the AVERAGE time to access data non-sequentially on the CD-ROM.",
    "Vantric is calculating the speed of your CPU so that CD-ROM sequential access CPU usage tests "
    "can be performed.",
    "The CPU Tests report the amount of CPU time required by your CD-ROM drive to read at a "
    "sustained transfer rate. LOWER CPU usage results in BETTER Multimedia performance.",
    "Burst tests report the burst speed of the drive in various block sizes. This is the speed at "
    "which data prefetched by the CD-ROM or a cache can be read.",
    "The multimedia index is a weighted combination of sequential read speed and CPU usage. The "
    "application index is a weighted combination of read speed and random access time.",
    "The multimedia index requires 16k read and 2X CPU test to be calculated.",
    "The application index requires 16k read, 2k read and random access to be calculated.",
    "CLV drives (Constant Linear Velocity) vary the speed the disc is spinning at. The data rate "
    "of the drive is constant.",
    "CAV drives (Constant Angular Velocity) spin the disc at a constant speed. The data rate of "
    "the drive increases as the pickup moves to the outer edge of the disc.",
};

std::string_view DescriptionText(int number) {
  if (number < 1 || number > static_cast<int>(DescriptionTexts.size())) return {};
  return DescriptionTexts[number - 1];
}

}  // namespace vantric
