#pragma once

#include <cstdint>
#include <string>

#include "platform/disc_file.h"

namespace vantric {

// A test file, or a whole disc, opened with FILE_FLAG_NO_BUFFERING, so that every read reaches
// the drive.
class Win32DiscFile : public DiscFile {
 public:
  // Takes ownership of `handle` (a HANDLE from CreateFileA). `mode` is kDevice for a disc read
  // through its drive's volume.
  Win32DiscFile(void* handle, int64_t size, ReadMode mode = ReadMode::kDirect)
      : handle_(handle), size_(size), mode_(mode) {}
  ~Win32DiscFile() override;
  Win32DiscFile(const Win32DiscFile&) = delete;
  Win32DiscFile& operator=(const Win32DiscFile&) = delete;

  // Stands in for SetFilePointer (FILE_BEGIN): SetFilePointerEx, for offsets past 4 GB.
  bool Seek(int64_t byte_offset) override;
  // Stands in for ReadFile: it is that call. Fewer bytes than asked for (the end of the file)
  // count as a failed read.
  bool Read(void* buffer, uint32_t byte_count) override;
  // GetLastError of the failed call, or kShortRead.
  int LastError() const override { return last_error_; }
  // FormatMessageA's text for the code.
  std::string ErrorText(int code) const override;
  ReadMode Mode() const override { return mode_; }
  int64_t Size() const override { return size_; }

 private:
  void* handle_;
  int64_t size_;
  ReadMode mode_;
  // The error of the last failed seek: reads fail with it until a seek succeeds, since the
  // system would read at the old position.
  int seek_error_ = 0;
  int last_error_ = 0;
};

}  // namespace vantric
