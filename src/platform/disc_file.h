#pragma once

#include <cstdint>
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

// An open test file; closing it is destroying it.
class DiscFile {
 public:
  virtual ~DiscFile() = default;

  // Stands in for SetFilePointer relative to FILE_BEGIN. A failed seek (a negative offset) leaves
  // no valid position: reads fail until the next successful seek.
  virtual bool Seek(int64_t byte_offset) = 0;
  // Stands in for a synchronous ReadFile; must not allocate.
  virtual bool Read(void* buffer, uint32_t byte_count) = 0;

  virtual ReadMode Mode() const = 0;
  // Length of the file in bytes.
  virtual int64_t Size() const = 0;
};

}  // namespace vantric
