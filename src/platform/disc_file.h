#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantric {

// How a disc file reaches the drive.
enum class ReadMode {
  kDirect,     // O_DIRECT on the file itself
  kDevice,     // O_DIRECT on the device under an ISO 9660 mount, at the file's extent
  kUncached,   // ordinary reads with the page cache dropped before each one
  kSimulated,  // a drive model on the virtual clock
};

std::string_view ReadModeName(ReadMode mode);

// A read that came back with fewer bytes than asked for: no system call reports that as an
// error of its own.
inline constexpr int kShortRead = -1;

// An open test file; closing it is destroying it.
class DiscFile {
 public:
  virtual ~DiscFile() = default;

  // Stands in for SetFilePointer relative to FILE_BEGIN. A failed seek (a negative offset) leaves
  // no valid position: reads fail until the next successful seek.
  virtual bool Seek(int64_t byte_offset) = 0;
  // Stands in for a synchronous ReadFile; must not allocate.
  virtual bool Read(void* buffer, uint32_t byte_count) = 0;

  // Why the last failed Read failed: the system's error code (stands in for GetLastError), or
  // kShortRead when fewer bytes came back than were asked for, as at the end of the file.
  virtual int LastError() const = 0;
  // The system's own wording of an error code that LastError gave.
  virtual std::string ErrorText(int code) const;

  virtual ReadMode Mode() const = 0;
  // Length of the file in bytes.
  virtual int64_t Size() const = 0;
};

}  // namespace vantric
