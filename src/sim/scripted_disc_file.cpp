#include "sim/scripted_disc_file.h"

#include <cerrno>

namespace vantric {

namespace {
constexpr int64_t kSectorBytes = 2048;
}

bool ScriptedDiscFile::Seek(int64_t byte_offset) {
  position_ = byte_offset < 0 ? -1 : byte_offset;
  return byte_offset >= 0;
}

bool ScriptedDiscFile::Read(void*, uint32_t byte_count) {
  const ScriptedRead read{position_ < 0 ? -1 : position_ / kSectorBytes,
                          static_cast<int32_t>(byte_count / kSectorBytes), clock_.Now()};
  reads_.push_back(read);
  if (script_) clock_.Advance(script_(read));
  if (position_ < 0) {
    last_error_ = EINVAL;
    return false;
  }
  const bool within_file = position_ + static_cast<int64_t>(byte_count) <= size_;
  position_ += byte_count;
  if (!within_file) last_error_ = kShortRead;
  return within_file;
}

}  // namespace vantric
