#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "fake_machine.h"
#include "platform/linux/disc_file_opener.h"
#include "platform/linux/iso_extent.h"
#include "platform/linux/linux_drives.h"
#include "ramfs_mount.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::FakeMachine;
using testing::PatternBytes;
using testing::RamfsMount;
using testing::TempDir;
using testing::WriteFile;

constexpr size_t kSector = 2048;

// An image of a folder with another file ahead of the test file, so that its extent does not
// start right after the directory.
class DeviceModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::HaveXorriso())
      GTEST_SKIP() << "xorriso is not installed; it makes the ISO images";
    content_ = PatternBytes(96 * kSector, 3);
    WriteFile(dir_ / "tree/AAAA.DAT", PatternBytes(40 * kSector, 1));
    WriteFile(dir_ / "tree/DATA/VANTRIC.DAT", content_);
  }

  std::string MakeImage(const std::string& name, const std::string& options) {
    const std::string image = dir_ / name;
    EXPECT_TRUE(testing::MakeIsoImage(dir_ / "tree", image, options)) << name;
    return image;
  }

  void ExpectReadsTheFile(LinuxDiscFile& file) {
    EXPECT_EQ(file.Mode(), ReadMode::kDevice);
    EXPECT_NE(fcntl(file.Descriptor(), F_GETFL) & O_DIRECT, 0) << "reads would pass the cache";
    EXPECT_EQ(file.Size(), static_cast<int64_t>(content_.size()));
    char* buffer = static_cast<char*>(std::aligned_alloc(4096, 16 * kSector));
    for (const int64_t sector : {0, 1, 47, 88}) {
      ASSERT_TRUE(file.Seek(sector * kSector));
      ASSERT_TRUE(file.Read(buffer, 8 * kSector)) << sector;
      EXPECT_EQ(std::memcmp(buffer, content_.data() + sector * kSector, 8 * kSector), 0) << sector;
    }
    // The next file on the volume must stay out of reach.
    ASSERT_TRUE(file.Seek(95 * kSector));
    EXPECT_TRUE(file.Read(buffer, kSector));
    EXPECT_FALSE(file.Read(buffer, kSector));
    ASSERT_TRUE(file.Seek(94 * kSector));
    EXPECT_FALSE(file.Read(buffer, 4 * kSector));
    EXPECT_FALSE(file.Seek(-1));
    EXPECT_FALSE(file.Read(buffer, kSector));
    std::free(buffer);
  }

  TempDir dir_;
  std::string content_;
};

TEST_F(DeviceModeTest, ReadsTheExtentOfPlainAndRockRidgeImages) {
  for (const auto& [name, options] : {std::pair{"plain.iso", ""}, std::pair{"rr.iso", "-R -J"}}) {
    SCOPED_TRACE(name);
    const std::string image = MakeImage(name, options);
    std::string why_not;
    // Names as a Linux mount would show them: lower case, or as recorded.
    for (const char* path : {"data/vantric.dat", "DATA/VANTRIC.DAT"}) {
      std::unique_ptr<LinuxDiscFile> file =
          OpenInImage(image, path, static_cast<int64_t>(content_.size()), &why_not);
      ASSERT_NE(file, nullptr) << why_not;
      ExpectReadsTheFile(*file);
    }
    const std::optional<IsoExtent> extent = FindIsoExtent(image, "DATA/VANTRIC.DAT", &why_not);
    ASSERT_TRUE(extent.has_value());
    EXPECT_GT(extent->first_byte, static_cast<int64_t>(40 * kSector));
  }
}

TEST_F(DeviceModeTest, SaysWhyTheDeviceCannotServeTheFile) {
  const std::string image = MakeImage("t.iso", "");
  std::string why_not;
  EXPECT_EQ(OpenInImage(image, "DATA/VANTRIC.DAT", 12345, &why_not), nullptr);
  EXPECT_EQ(why_not, "the file lies in several extents on the disc");
  EXPECT_EQ(OpenInImage(image, "DATA/MISSING.DAT", -1, &why_not), nullptr);
  EXPECT_NE(why_not.find("does not list DATA/MISSING.DAT"), std::string::npos) << why_not;
  EXPECT_EQ(OpenInImage(image, "DATA", -1, &why_not), nullptr) << "a folder is not the file";
  EXPECT_EQ(OpenInImage(dir_ / "tree", "DATA/VANTRIC.DAT", -1, &why_not), nullptr);
  EXPECT_NE(why_not.find("neither a device nor an image"), std::string::npos) << why_not;
  EXPECT_EQ(OpenInImage(dir_ / "tree/AAAA.DAT", "DATA/VANTRIC.DAT", -1, &why_not), nullptr);
  EXPECT_NE(why_not.find("holds no ISO 9660 volume"), std::string::npos) << why_not;

  // A volume that ends with the file: a probe of its first sector that gets less than a sector
  // is refused, a whole sector is not.
  for (const size_t size : {size_t{100}, kSector - 1, kSector}) {
    SCOPED_TRACE(size);
    const std::string tree = dir_ / ("short-" + std::to_string(size));
    WriteFile(tree + "/DATA/VANTRIC.DAT", PatternBytes(size, 7));
    const std::string short_image = tree + ".iso";
    ASSERT_TRUE(testing::MakeIsoImage(tree, short_image, ""));
    const std::optional<IsoExtent> extent =
        FindIsoExtent(short_image, "DATA/VANTRIC.DAT", &why_not);
    ASSERT_TRUE(extent.has_value()) << why_not;
    std::filesystem::resize_file(short_image, extent->first_byte + extent->size);
    const std::unique_ptr<LinuxDiscFile> file =
        OpenInImage(short_image, "DATA/VANTRIC.DAT", static_cast<int64_t>(size), &why_not);
    EXPECT_EQ(file != nullptr, size == kSector) << why_not;
    if (size < kSector) {
      EXPECT_EQ(why_not, "a read of the file's first sector on " + short_image + " returned " +
                             std::to_string(size) + " bytes");
    }
  }
}

// A --drive folder on an "iso9660" mount (a ramfs standing in, since it refuses direct reads as
// the real one does): the file is read from the mount's source image.
TEST_F(DeviceModeTest, OpenerChoosesTheDeviceForAFileOnAnIsoMount) {
  const std::string image = MakeImage("t.iso", "");
  RamfsMount ramfs(dir_ / "cd");
  if (!ramfs.mounted()) GTEST_SKIP() << "cannot mount a ramfs here (needs CAP_SYS_ADMIN)";
  WriteFile(dir_ / "cd/data/vantric.dat", content_);
  FakeMachine machine(dir_ / "machine");
  machine.SetMounts(image + " " + (dir_ / "cd") + " iso9660 ro 0 0\n");

  LinuxDrives drives({dir_ / "cd"}, machine.paths());
  ASSERT_EQ(drives.GetDriveType("D:\\"), DRIVE_CDROM);
  ASSERT_TRUE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT"));
  std::unique_ptr<DiscFile> file = drives.OpenUnbuffered("D:\\DATA\\VANTRIC.DAT");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(drives.LastOpenNote(), "");
  ExpectReadsTheFile(static_cast<LinuxDiscFile&>(*file));

  // A file the volume does not hold in one piece falls back to uncached reads and says why.
  WriteFile(dir_ / "cd/data/vantric.dat", content_ + "more");
  file = drives.OpenUnbuffered("D:\\DATA\\VANTRIC.DAT");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Mode(), ReadMode::kUncached);
  EXPECT_NE(drives.LastOpenNote().find("several extents"), std::string::npos)
      << drives.LastOpenNote();
}

// An unmounted disc whose directory lists the test file but whose drive will not read it (its
// node on a ramfs refuses direct reads): the search finds the file, the open fails, and the
// note that the help after the search shows says why.
TEST_F(DeviceModeTest, AFoundDiscTheDriveWillNotReadSaysWhy) {
  RamfsMount ramfs(dir_ / "machine");
  if (!ramfs.mounted()) GTEST_SKIP() << "cannot mount a ramfs here (needs CAP_SYS_ADMIN)";
  FakeMachine machine(dir_ / "machine");
  machine.AddDrive("sr0");
  machine.Insert("sr0", MakeImage("t.iso", ""));
  LinuxDrives drives({}, machine.paths());
  ASSERT_TRUE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT"));
  EXPECT_EQ(drives.OpenUnbuffered("D:\\DATA\\VANTRIC.DAT"), nullptr);
  EXPECT_EQ(drives.LastOpenNote(),
            "cannot read " + machine.Node("sr0") + " directly (Invalid argument)");
}

// Takes the overrides of file permissions out of the effective capabilities while it lives, so
// that a test running as root meets a file's permissions as a user would.
class WithoutPermissionOverride {
 public:
  WithoutPermissionOverride() {
    active_ = syscall(SYS_capget, &header_, saved_) == 0;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    active_ = active_ && syscall(SYS_capset, &header_, reduced) == 0;
  }
  ~WithoutPermissionOverride() {
    if (active_) syscall(SYS_capset, &header_, saved_);
  }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2] = {};
  bool active_ = false;
};

// A user outside the drive's group: the mounted disc is still found and read through the mount,
// and the note says what would give exact reads.
TEST_F(DeviceModeTest, ADriveTheUserMayNotOpenIsReadThroughTheMountWithAHint) {
  RamfsMount ramfs(dir_ / "cd");
  if (!ramfs.mounted()) GTEST_SKIP() << "cannot mount a ramfs here (needs CAP_SYS_ADMIN)";
  WriteFile(dir_ / "cd/data/vantric.dat", content_);
  FakeMachine machine(dir_ / "machine");
  machine.AddDrive("sr0");
  machine.Insert("sr0", MakeImage("t.iso", "-R -J"));
  const std::string node = machine.Node("sr0");
  if (const group* cdrom = getgrnam("cdrom")) chown(node.c_str(), -1, cdrom->gr_gid);
  ASSERT_EQ(chmod(node.c_str(), 0), 0);
  WithoutPermissionOverride as_a_user;
  if (const int fd = open(node.c_str(), O_RDONLY); fd >= 0) {
    close(fd);
    GTEST_SKIP() << "cannot make " << node << " unreadable here";
  }
  struct stat status {};
  ASSERT_EQ(stat(node.c_str(), &status), 0);
  const std::string group = getgrgid(status.st_gid)->gr_name;
  const std::string why = "cannot open " + node + " (Permission denied). Members of the group '" +
                          group + "', which owns " + node +
                          ", get exact reads: run 'sudo usermod -aG " + group +
                          " \"$USER\"' and log in again";
  LinuxDrives drives({}, machine.paths());
  EXPECT_FALSE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT")) << "unmounted: nothing to see";
  EXPECT_EQ(drives.DriveProblem("D:\\"), why) << "but the help after the search says why";

  machine.SetMounts(node + " " + dir_ / "cd" + " iso9660 ro 0 0\n");
  ASSERT_TRUE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT"));
  std::unique_ptr<DiscFile> file = drives.OpenUnbuffered("D:\\DATA\\VANTRIC.DAT");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Mode(), ReadMode::kUncached);
  EXPECT_EQ(drives.LastOpenNote(), "reads are uncached, in 4 KB pages: " + why);
  EXPECT_EQ(drives.DriveProblem("D:\\"), "") << "a mounted disc is looked into all the same";
}

}  // namespace
}  // namespace vantric
