#pragma once

#include <cstdint>
#include <string>

#include "platform/disc_file.h"

namespace vantric {

// An open test file: a window of `size` bytes starting at byte `base` of a descriptor. The
// window is the file itself (direct, uncached) or the file's extent on the disc's device.
class LinuxDiscFile : public DiscFile {
 public:
  // Takes ownership of `fd`. `note` says why the file is read in this mode (empty if direct).
  LinuxDiscFile(int fd, ReadMode mode, int64_t base, int64_t size, std::string note);
  ~LinuxDiscFile() override;
  LinuxDiscFile(const LinuxDiscFile&) = delete;
  LinuxDiscFile& operator=(const LinuxDiscFile&) = delete;

  // Stands in for SetFilePointer (FILE_BEGIN).
  bool Seek(int64_t byte_offset) override;
  // Stands in for ReadFile: pread at the position; a read that would cross the end of the file
  // reads nothing and fails, as a short read would.
  bool Read(void* buffer, uint32_t byte_count) override;
  int LastError() const override { return last_error_; }
  ReadMode Mode() const override { return mode_; }
  int64_t Size() const override { return size_; }

  // Why this mode and not a more exact one, for the front end to show.
  const std::string& Note() const { return note_; }
  // The open descriptor, for checks that the reads bypass the page cache.
  int Descriptor() const { return fd_; }

 private:
  bool ReadFully(char* buffer, uint32_t byte_count, int64_t at);
  void DropFromCache(int64_t at, uint32_t byte_count);

  int fd_;
  ReadMode mode_;
  int64_t base_;
  int64_t size_;
  std::string note_;
  int64_t position_ = 0;  // -1: no valid position after a failed seek
  int last_error_ = 0;
};

}  // namespace vantric
