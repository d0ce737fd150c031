#include "sim/simulated_disc_file.h"

#include <cerrno>

namespace vantric {
namespace {
constexpr int64_t kSectorBytes = 2048;
}

bool SimulatedDiscFile::Seek(int64_t byte_offset) {
  position_ = byte_offset < 0 ? -1 : byte_offset;
  return byte_offset >= 0;
}

int SimulatedDiscFile::Refusal(const void* buffer, uint32_t byte_count) const {
  if (position_ < 0 || position_ % kSectorBytes != 0 || byte_count % kSectorBytes != 0) {
    return EINVAL;
  }
  if (byte_count > 0 && buffer == nullptr) return EFAULT;
  // Written so that a position near the top of the range cannot overflow.
  if (position_ > size_ - static_cast<int64_t>(byte_count)) return kShortRead;
  if (byte_count == 0) return 0;
  if (faults_.DiscRemovedBy(clock_.SecondsForCounts(clock_.Now()))) return EIO;
  if (faults_.TouchesBadSector(position_ / kSectorBytes, byte_count / kSectorBytes)) return EIO;
  return 0;
}

bool SimulatedDiscFile::Fail(int error) {
  last_error_ = error;
  clock_.AdvanceSeconds(drive_.OverheadSeconds());
  return false;
}

bool SimulatedDiscFile::Read(void* buffer, uint32_t byte_count) {
  if (const int error = Refusal(buffer, byte_count); error != 0) {
    if (error == EIO &&
        faults_.TouchesBadSector(position_ / kSectorBytes, byte_count / kSectorBytes)) {
      clock_.AdvanceSeconds(faults_.bad_read_seconds);
    }
    return Fail(error);
  }
  if (byte_count == 0) {
    clock_.AdvanceSeconds(drive_.OverheadSeconds());
    return true;
  }
  const double now = clock_.SecondsForCounts(clock_.Now());
  const double seconds =
      drive_.Read(now, position_ / kSectorBytes, static_cast<int32_t>(byte_count / kSectorBytes));
  clock_.AdvanceSeconds(seconds);
  position_ += byte_count;
  return true;
}

}  // namespace vantric
