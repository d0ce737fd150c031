#include "test_file_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "iso_image_builder.h"
#include "temp_dir.h"
#include "test_data_generator.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;
using testing::FileText;
using testing::TempDir;

std::vector<std::string> Listing(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename());
  }
  return names;
}

TEST(TestDataGenerator, SeedsGiveDistinctReproducibleStreams) {
  TestDataGenerator a(1), b(1), c(2);
  std::vector<uint64_t> first(1000), again(1000), other(1000);
  a.Fill(first.data(), first.size());
  b.Fill(again.data(), again.size());
  c.Fill(other.data(), other.size());
  EXPECT_EQ(first, again);
  EXPECT_NE(first, other);
  // Not a degenerate stream: nearly all words differ, and the bits are balanced.
  std::sort(first.begin(), first.end());
  EXPECT_EQ(std::unique(first.begin(), first.end()), first.end());
  long ones = 0;
  for (uint64_t word : other) ones += __builtin_popcountll(word);
  EXPECT_NEAR(static_cast<double>(ones) / (64.0 * other.size()), 0.5, 0.01);
}

TEST(TestFileWriter, WritesTheSizeAskedAndKeepsAFileOfTheRightSize) {
  TempDir dir;
  TestFileOptions options;
  options.size = 5 * 1024 * 1024 + 2048;  // more than one chunk, not a whole number of them
  TestFileOutcome outcome = WriteTestFile(dir / "disc", options);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_FALSE(outcome.already_there);
  EXPECT_EQ(outcome.path, dir / "disc/DATA/VANTRIC.DAT");
  EXPECT_EQ(fs::file_size(outcome.path), static_cast<uintmax_t>(options.size));
  EXPECT_EQ(Listing(dir / "disc/DATA"), std::vector<std::string>{"VANTRIC.DAT"});
  const std::string first = FileText(outcome.path);

  outcome = WriteTestFile(dir / "disc", options);
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(outcome.already_there);
  EXPECT_NE(outcome.message.find("already there"), std::string::npos);

  options.force = true;
  options.seed = 99;
  outcome = WriteTestFile(dir / "disc", options);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_FALSE(outcome.already_there);
  const std::string second = FileText(outcome.path);
  EXPECT_EQ(second.size(), first.size());
  EXPECT_NE(second, first);
}

TEST(TestFileWriter, ReplacesAFileOfTheWrongSize) {
  TempDir dir;
  testing::WriteFile(dir / "disc/DATA/VANTRIC.DAT", "short");
  TestFileOptions options;
  options.size = 8192;
  const TestFileOutcome outcome = WriteTestFile(dir / "disc", options);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(fs::file_size(outcome.path), 8192u);
}

TEST(TestFileWriter, FailedWriteLeavesNoPartialFileAndKeepsTheOldOne) {
  TempDir dir;
  TestFileOptions options;
  options.size = 12 * 1024 * 1024;
  size_t written = 0;
  options.write = [&written](int fd, const void* data, size_t bytes) -> ssize_t {
    if (written >= 6 * 1024 * 1024) {
      errno = ENOSPC;
      return -1;
    }
    written += bytes;
    return write(fd, data, bytes);
  };
  TestFileOutcome outcome = WriteTestFile(dir / "fresh", options);
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("No space left on device"), std::string::npos) << outcome.message;
  EXPECT_FALSE(fs::exists(dir / "fresh")) << "folders made by the failed run are removed";

  testing::WriteFile(dir / "kept/DATA/VANTRIC.DAT", "earlier");
  written = 0;
  options.force = true;
  outcome = WriteTestFile(dir / "kept", options);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(FileText(dir / "kept/DATA/VANTRIC.DAT"), "earlier");
  EXPECT_EQ(Listing(dir / "kept/DATA"), std::vector<std::string>{"VANTRIC.DAT"});
}

TEST(TestFileWriter, WriteThatStopsShortCountsAsDiskFull) {
  TempDir dir;
  TestFileOptions options;
  options.size = 4096;
  options.write = [](int, const void*, size_t) -> ssize_t { return 0; };
  const TestFileOutcome outcome = WriteTestFile(dir / "disc", options);
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("No space left on device"), std::string::npos) << outcome.message;
}

TEST(TestFileWriter, UnusableFolderGivesAClearMessage) {
  TempDir dir;
  testing::WriteFile(dir / "plain", "x");
  TestFileOutcome outcome = WriteTestFile(dir / "plain", TestFileOptions{});
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, "cannot make the folder " + (dir / "plain") + ": Not a directory");
  outcome = WriteTestFile(dir / "no/such/parent", TestFileOptions{});
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("No such file or directory"), std::string::npos);
  // Also true for root, whom permission bits do not stop: /proc takes no new folders.
  outcome = WriteTestFile("/proc/vantric-test", TestFileOptions{});
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("cannot make the folder /proc/vantric-test"), std::string::npos);
}

TEST(IsoImageBuilder, RefusesAnImageInsideItsOwnFolderAndBuildsOneOutside) {
  TempDir dir;
  testing::WriteFile(dir / "disc/DATA/VANTRIC.DAT", std::string(4096, 'v'));
  std::string error;
  EXPECT_FALSE(BuildIsoImage(dir / "disc", dir / "disc/DATA/x.iso", &error));
  EXPECT_NE(error.find("must be written outside"), std::string::npos) << error;
  if (!ProgramOnPath("xorriso")) GTEST_SKIP() << "xorriso is not installed";
  ASSERT_TRUE(BuildIsoImage(dir / "disc", dir / "disc.iso", &error)) << error;
  EXPECT_GT(fs::file_size(dir / "disc.iso"), 4096u);
  EXPECT_FALSE(fs::exists(dir / "disc.iso.partial"));
  EXPECT_FALSE(BuildIsoImage(dir / "missing", dir / "m.iso", &error));
  EXPECT_FALSE(fs::exists(dir / "m.iso"));
  EXPECT_FALSE(fs::exists(dir / "m.iso.partial"));
}

}  // namespace
}  // namespace vantric
