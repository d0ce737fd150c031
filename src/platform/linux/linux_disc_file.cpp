#include "platform/linux/linux_disc_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vantric {
namespace {
constexpr int64_t kPageBytes = 4096;
}

LinuxDiscFile::LinuxDiscFile(int fd, ReadMode mode, int64_t base, int64_t size, std::string note)
    : fd_(fd), mode_(mode), base_(base), size_(size), note_(std::move(note)) {
  if (mode_ == ReadMode::kUncached) posix_fadvise(fd_, 0, 0, POSIX_FADV_RANDOM);
}

LinuxDiscFile::~LinuxDiscFile() { close(fd_); }

bool LinuxDiscFile::Seek(int64_t byte_offset) {
  position_ = byte_offset < 0 ? -1 : byte_offset;
  return byte_offset >= 0;
}

bool LinuxDiscFile::Read(void* buffer, uint32_t byte_count) {
  if (position_ < 0) {
    last_error_ = EINVAL;
    return false;
  }
  const int64_t at = position_;
  position_ += byte_count;
  if (at > size_ || byte_count > size_ - at) {
    last_error_ = kShortRead;
    return false;
  }
  if (byte_count == 0) return true;
  if (mode_ != ReadMode::kUncached) {
    return ReadFully(static_cast<char*>(buffer), byte_count, base_ + at);
  }
  DropFromCache(at, byte_count);
  const bool read = ReadFully(static_cast<char*>(buffer), byte_count, base_ + at);
  // Dropped after the read as well, so that the test file takes no memory between reads and a
  // look at what is resident (mincore) shows that nothing read was kept.
  DropFromCache(at, byte_count);
  return read;
}

void LinuxDiscFile::DropFromCache(int64_t at, uint32_t byte_count) {
  // Whole pages around the range, so no part of it can be served from memory.
  const int64_t first = (base_ + at) / kPageBytes * kPageBytes;
  const int64_t end = (base_ + at + byte_count + kPageBytes - 1) / kPageBytes * kPageBytes;
  posix_fadvise(fd_, first, end - first, POSIX_FADV_DONTNEED);
}

bool LinuxDiscFile::ReadFully(char* buffer, uint32_t byte_count, int64_t at) {
  while (byte_count > 0) {
    const ssize_t got = pread(fd_, buffer, byte_count, at);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      last_error_ = got < 0 ? errno : kShortRead;
      return false;
    }
    buffer += got;
    byte_count -= static_cast<uint32_t>(got);
    at += got;
  }
  return true;
}

}  // namespace vantric
