#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <string>

#include "platform/disc_file.h"

namespace vantric::testing {

inline constexpr size_t kSector = 2048;

// The engine's buffer: 16 sectors, 4096-aligned.
class AlignedBuffer {
 public:
  AlignedBuffer() : data_(static_cast<char*>(::operator new(kBytes, kAlignment))) {}
  ~AlignedBuffer() { ::operator delete(data_, kAlignment); }
  AlignedBuffer(const AlignedBuffer&) = delete;
  AlignedBuffer& operator=(const AlignedBuffer&) = delete;
  char* get() { return data_; }

 private:
  static constexpr size_t kBytes = 16 * 2048;
  static constexpr std::align_val_t kAlignment{4096};
  char* data_;
};

// Every mode must return the file's own bytes at the offset asked for, keep the position
// after each read, and fail reads outside the file without touching what lies beyond.
inline void ExpectFileReadsLikeTheFile(DiscFile& file, const std::string& content) {
  AlignedBuffer buffer;
  ASSERT_EQ(file.Size(), static_cast<int64_t>(content.size()));

  ASSERT_TRUE(file.Seek(3 * kSector));
  ASSERT_TRUE(file.Read(buffer.get(), kSector));
  EXPECT_EQ(std::memcmp(buffer.get(), content.data() + 3 * kSector, kSector), 0);
  ASSERT_TRUE(file.Read(buffer.get(), 8 * kSector));  // sectors 4..11, onward from the position
  EXPECT_EQ(std::memcmp(buffer.get(), content.data() + 4 * kSector, 8 * kSector), 0);

  const int64_t last = static_cast<int64_t>(content.size()) - kSector;
  ASSERT_TRUE(file.Seek(last));
  EXPECT_TRUE(file.Read(buffer.get(), kSector));
  EXPECT_EQ(std::memcmp(buffer.get(), content.data() + last, kSector), 0);
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "read at the end of the file";

  ASSERT_TRUE(file.Seek(last));
  EXPECT_FALSE(file.Read(buffer.get(), 2 * kSector)) << "read crossing the end";
  EXPECT_TRUE(file.Seek(content.size() + 100 * kSector));
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "read past the end";

  EXPECT_FALSE(file.Seek(-static_cast<int64_t>(kSector)));
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "read after a failed seek";
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "the failed seek leaves no position";
  ASSERT_TRUE(file.Seek(0));
  EXPECT_TRUE(file.Read(buffer.get(), 16 * kSector));
  EXPECT_EQ(std::memcmp(buffer.get(), content.data(), 16 * kSector), 0);
}

}  // namespace vantric::testing
