#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/disc_file_opener.h"
#include "platform/linux_drives.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::PatternBytes;
using testing::RamfsMount;
using testing::TempDir;
using testing::WriteFile;

constexpr size_t kSector = 2048;

struct AlignedFree {
  void operator()(void* p) const { std::free(p); }
};

// The engine's buffer: 16 sectors, 4096-aligned.
class AlignedBuffer {
 public:
  AlignedBuffer() : data_(static_cast<char*>(std::aligned_alloc(4096, 16 * kSector))) {}
  char* get() { return data_.get(); }

 private:
  std::unique_ptr<char, AlignedFree> data_;
};

// Every mode must return the file's own bytes at the offset asked for, keep the position
// after each read, and fail reads outside the file without touching what lies beyond.
void ExpectFileReadsLikeTheFile(DiscFile& file, const std::string& content) {
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

TEST(DiscFile, DirectModeOnAnOrdinaryFile) {
  TempDir dir;
  const std::string content = PatternBytes(64 * kSector);
  WriteFile(dir / "VANTRIC.DAT", content);
  std::unique_ptr<LinuxDiscFile> file = OpenDiscFile(dir / "VANTRIC.DAT", {});
  ASSERT_NE(file, nullptr);
  if (file->Mode() != ReadMode::kDirect) {
    GTEST_SKIP() << dir.path() << " refuses direct reads here: " << file->Note();
  }
  EXPECT_EQ(file->Note(), "");
  ExpectFileReadsLikeTheFile(*file, content);
}

TEST(DiscFile, UncachedModeReadsTheSameBytes) {
  TempDir dir;
  const std::string content = PatternBytes(64 * kSector, 5);
  WriteFile(dir / "VANTRIC.DAT", content);
  std::unique_ptr<LinuxDiscFile> file = OpenUncached(dir / "VANTRIC.DAT", "because");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Mode(), ReadMode::kUncached);
  EXPECT_EQ(file->Note(), "because");
  ExpectFileReadsLikeTheFile(*file, content);
}

TEST(DiscFile, MissingFileOrFolderDoesNotOpen) {
  TempDir dir;
  std::string why_not;
  EXPECT_EQ(OpenDiscFile(dir / "absent", {}), nullptr);
  EXPECT_EQ(OpenDiscFile(dir.path(), {}), nullptr);
  EXPECT_EQ(OpenDirect(dir / "absent", &why_not), nullptr);
  EXPECT_EQ(OpenUncached(dir / "absent", ""), nullptr);
}

// A file system that refuses O_DIRECT at open (ramfs) must give an uncached file that says why.
TEST(DiscFile, FallsBackToUncachedWhenDirectIsRefused) {
  TempDir dir;
  RamfsMount ramfs(dir / "ram");
  if (!ramfs.mounted()) GTEST_SKIP() << "cannot mount a ramfs here (needs CAP_SYS_ADMIN)";
  const std::string content = PatternBytes(32 * kSector, 9);
  WriteFile(dir / "ram/VANTRIC.DAT", content);

  std::string why_not;
  EXPECT_EQ(OpenDirect(dir / "ram/VANTRIC.DAT", &why_not), nullptr);
  EXPECT_NE(why_not.find("refuses direct reads"), std::string::npos) << why_not;

  WriteFile(dir / "mounts", "none " + dir / "ram" + " ramfs rw 0 0\n");
  LinuxDrives drives({dir / "ram"}, dir / "mounts");
  std::unique_ptr<DiscFile> file = drives.OpenUnbuffered("D:\\VANTRIC.DAT");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Mode(), ReadMode::kUncached);
  EXPECT_NE(drives.LastOpenNote().find("uncached"), std::string::npos) << drives.LastOpenNote();
  EXPECT_NE(drives.LastOpenNote().find("refuses direct reads"), std::string::npos);
  ExpectFileReadsLikeTheFile(*file, content);
}

}  // namespace
}  // namespace vantric
