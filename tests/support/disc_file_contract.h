#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
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

// What the bytes a read put into `read` are checked against: the file's own `count` bytes at
// `offset`.
using ByteCheck = std::function<void(const char* read, int64_t offset, size_t count)>;

// What every disc file does, real or simulated: keep the position after each read, fail reads
// that reach past the end as short reads, and fail reads after a failed seek for another reason
// until the next seek succeeds. `expect_bytes`, when given, checks what each read returned.
inline void ExpectDiscFileContract(DiscFile& file, int64_t size, const ByteCheck& expect_bytes) {
  AlignedBuffer buffer;
  const auto expect_read = [&](int64_t offset, size_t count) {
    if (expect_bytes) expect_bytes(buffer.get(), offset, count);
  };
  ASSERT_EQ(file.Size(), size);

  ASSERT_TRUE(file.Seek(3 * kSector));
  ASSERT_TRUE(file.Read(buffer.get(), kSector));
  expect_read(3 * kSector, kSector);
  ASSERT_TRUE(file.Read(buffer.get(), 8 * kSector));  // sectors 4..11, onward from the position
  expect_read(4 * kSector, 8 * kSector);

  const int64_t last = size - kSector;
  ASSERT_TRUE(file.Seek(last));
  EXPECT_TRUE(file.Read(buffer.get(), kSector));
  expect_read(last, kSector);
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "read at the end of the file";
  EXPECT_EQ(file.LastError(), kShortRead) << "read at the end of the file";

  ASSERT_TRUE(file.Seek(last));
  EXPECT_FALSE(file.Read(buffer.get(), 2 * kSector)) << "read crossing the end";
  EXPECT_EQ(file.LastError(), kShortRead) << "read crossing the end";
  EXPECT_TRUE(file.Seek(size + 100 * kSector));
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "read past the end";
  EXPECT_EQ(file.LastError(), kShortRead) << "read past the end";

  EXPECT_FALSE(file.Seek(-static_cast<int64_t>(kSector)));
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "read after a failed seek";
  EXPECT_NE(file.LastError(), kShortRead) << "the failed seek is the reason, not the file's end";
  EXPECT_NE(file.LastError(), 0);
  EXPECT_FALSE(file.Read(buffer.get(), kSector)) << "the failed seek leaves no position";
  ASSERT_TRUE(file.Seek(0));
  EXPECT_TRUE(file.Read(buffer.get(), 16 * kSector));
  expect_read(0, 16 * kSector);
}

// The contract on a file whose bytes are `content`: every read returns the file's own bytes at
// the offset asked for.
inline void ExpectFileReadsLikeTheFile(DiscFile& file, const std::string& content) {
  ExpectDiscFileContract(file, static_cast<int64_t>(content.size()),
                         [&](const char* read, int64_t offset, size_t count) {
                           EXPECT_EQ(std::memcmp(read, content.data() + offset, count), 0)
                               << count << " bytes at " << offset;
                         });
}

}  // namespace vantric::testing
