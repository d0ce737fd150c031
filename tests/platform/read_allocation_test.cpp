// Counts every operator new of the process, so it lives in a binary of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "counting_new.h"
#include "platform/linux/disc_file_opener.h"
#include "temp_dir.h"

namespace vantric {
namespace {

TEST(DiscFileRead, AllocatesNothingInAnyMode) {
  {
    const long before = testing::AllocationCount();
    auto probe = std::make_unique<std::vector<int>>(100);
    EXPECT_GT(testing::AllocationCount() - before, 0) << "the counter must see allocations";
  }
  testing::TempDir dir;
  testing::WriteFile(dir / "VANTRIC.DAT", testing::PatternBytes(64 * 2048));
  void* buffer = std::aligned_alloc(4096, 32768);
  std::string why_not;
  std::unique_ptr<LinuxDiscFile> files[] = {OpenDirect(dir / "VANTRIC.DAT", &why_not),
                                            OpenUncached(dir / "VANTRIC.DAT", "")};
  for (const auto& file : files) {
    if (file == nullptr) continue;
    const long before = testing::AllocationCount();
    bool all_read = true;
    for (int i = 0; i < 50; ++i) {
      all_read &= file->Seek(static_cast<int64_t>(i % 40) * 2048);
      all_read &= file->Read(buffer, 16384);
      all_read &= file->Read(buffer, 2048);
    }
    file->Seek(-2048);
    file->Read(buffer, 2048);
    file->Seek(1 << 30);
    file->Read(buffer, 2048);
    EXPECT_EQ(testing::AllocationCount() - before, 0) << ReadModeName(file->Mode());
    EXPECT_TRUE(all_read) << ReadModeName(file->Mode());
  }
  EXPECT_NE(files[1], nullptr);
  std::free(buffer);
}

}  // namespace
}  // namespace vantric
