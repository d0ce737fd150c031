#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "disc_file_contract.h"
#include "fake_machine.h"
#include "platform/linux/disc_file_opener.h"
#include "platform/linux/linux_drives.h"
#include "ramfs_mount.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::AlignedBuffer;
using testing::ExpectFileReadsLikeTheFile;
using testing::FakeMachine;
using testing::PatternBytes;
using testing::RamfsMount;
using testing::TempDir;
using testing::WriteFile;

constexpr size_t kSector = 2048;

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
  EXPECT_NE(fcntl(file->Descriptor(), F_GETFL) & O_DIRECT, 0) << "reads would pass the cache";
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

// How many pages of the file are in the page cache.
size_t ResidentPages(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const off_t size = lseek(fd, 0, SEEK_END);
  void* map = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
  close(fd);
  if (map == MAP_FAILED) return SIZE_MAX;
  std::vector<unsigned char> pages((size + 4095) / 4096);
  const bool known = mincore(map, size, pages.data()) == 0;
  munmap(map, size);
  size_t resident = 0;
  for (const unsigned char page : pages) resident += page & 1;
  return known ? resident : SIZE_MAX;
}

// Bytes this process has had read from storage, as opposed to from the page cache.
int64_t StorageBytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  int64_t value = 0;
  while (io >> key >> value) {
    if (key == "read_bytes:") return value;
  }
  return -1;
}

// Pages already in memory are read from the disk all the same, and are not kept afterwards.
TEST(DiscFile, UncachedReadsGoToTheDiskAndLeaveNothingInMemory) {
  TempDir dir;
  const std::string path = dir / "VANTRIC.DAT";
  WriteFile(path, PatternBytes(64 * kSector, 7));
  {
    // Pages just written cannot be dropped until they are on the disk.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    fsync(fd);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
  }
  if (ResidentPages(path) != 0 || StorageBytesRead() < 0) {
    GTEST_SKIP() << dir.path() << " keeps its files in memory (tmpfs?) or /proc/self/io is "
                 << "missing; set TMPDIR to a folder on a disk";
  }
  std::unique_ptr<LinuxDiscFile> file = OpenUncached(path, "");
  ASSERT_NE(file, nullptr);
  AlignedBuffer buffer;
  ASSERT_EQ(pread(file->Descriptor(), buffer.get(), 16 * kSector, 0), 16 * kSector);
  ASSERT_GT(ResidentPages(path), 0u) << "an ordinary read keeps its pages";

  const int64_t before = StorageBytesRead();
  ASSERT_TRUE(file->Seek(3 * kSector));
  ASSERT_TRUE(file->Read(buffer.get(), kSector));
  ASSERT_TRUE(file->Read(buffer.get(), 8 * kSector));
  EXPECT_GE(StorageBytesRead() - before, static_cast<int64_t>(9 * kSector));
  ASSERT_TRUE(file->Seek(0));
  ASSERT_TRUE(file->Read(buffer.get(), 16 * kSector));
  EXPECT_EQ(ResidentPages(path), 0u);
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

  FakeMachine machine(dir / "machine");
  machine.SetMounts("none " + dir / "ram" + " ramfs rw 0 0\n");
  LinuxDrives drives({dir / "ram"}, machine.paths());
  std::unique_ptr<DiscFile> file = drives.OpenUnbuffered("D:\\VANTRIC.DAT");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Mode(), ReadMode::kUncached);
  EXPECT_NE(drives.LastOpenNote().find("uncached"), std::string::npos) << drives.LastOpenNote();
  EXPECT_NE(drives.LastOpenNote().find("refuses direct reads"), std::string::npos);
  ExpectFileReadsLikeTheFile(*file, content);
}

// A test file that shrinks under the run (rewritten, or a disc pulled out of a network share)
// cuts a read short without an error from the system: the run's message must say what
// happened, not whatever error number an earlier call left behind.
TEST(DiscFile, AReadCutShortByAShrinkingFileIsNamedAsSuch) {
  TempDir dir;
  const std::string path = dir / "VANTRIC.DAT";
  WriteFile(path, PatternBytes(64 * kSector));
  std::string why_not;
  std::unique_ptr<LinuxDiscFile> files[] = {OpenDirect(path, &why_not), OpenUncached(path, "")};
  std::filesystem::resize_file(path, 40 * kSector);
  AlignedBuffer buffer;
  for (const auto& file : files) {
    if (file == nullptr) continue;
    SCOPED_TRACE(ReadModeName(file->Mode()));
    ASSERT_TRUE(file->Seek(37 * kSector));
    errno = EIO;
    EXPECT_FALSE(file->Read(buffer.get(), 8 * kSector)) << "sectors 37 to 44 cross the new end";
    EXPECT_EQ(file->ErrorText(file->LastError()), "the read returned fewer bytes than asked for");
  }
  EXPECT_NE(files[1], nullptr);
}

}  // namespace
}  // namespace vantric
