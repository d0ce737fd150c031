#include "platform/linux/mount_table.h"

#include <gtest/gtest.h>

namespace vantric {
namespace {

TEST(MountTable, DecodesEscapesAndSkipsBrokenLines) {
  const auto mounts = ParseMountTable(
      "/dev/sr0 /media/user/My\\040Disc\\011x iso9660 ro 0 0\n"
      "garbage\n"
      "\n"
      "server:/a\\134b /mnt/back\\134slash nfs4 rw 0 0\n"
      "/dev/sda1 /mnt/odd\\0 ext4 rw 0 0\n");
  ASSERT_EQ(mounts.size(), 3u);
  EXPECT_EQ(mounts[0].source, "/dev/sr0");
  EXPECT_EQ(mounts[0].mount_point, "/media/user/My Disc\tx");
  EXPECT_EQ(mounts[0].fs_type, "iso9660");
  EXPECT_EQ(mounts[1].source, "server:/a\\b");
  EXPECT_EQ(mounts[1].mount_point, "/mnt/back\\slash");
  // An escape cut short at the end of the field stays as written.
  EXPECT_EQ(mounts[2].mount_point, "/mnt/odd\\0");
}

TEST(MountTable, FindsTheInnermostAndLatestMount) {
  const auto mounts = ParseMountTable(
      "/dev/vda / ext4 rw 0 0\n"
      "/dev/sr0 /media/cd iso9660 ro 0 0\n"
      "/dev/sr1 /media/cd udf ro 0 0\n"
      "/dev/sdb /media/cdrom ext4 rw 0 0\n");
  EXPECT_EQ(FindMountOf(mounts, "/media/cd/DATA/X")->source, "/dev/sr1");
  EXPECT_EQ(FindMountOf(mounts, "/media/cd")->source, "/dev/sr1");
  // A shared prefix is not a parent folder.
  EXPECT_EQ(FindMountOf(mounts, "/media/cdrom/X")->source, "/dev/sdb");
  EXPECT_EQ(FindMountOf(mounts, "/media/cdx")->source, "/dev/vda");
  EXPECT_FALSE(FindMountOf({}, "/x").has_value());
}

TEST(MountTable, ClassifiesOpticalAndNetworkMounts) {
  const auto mounts = ParseMountTable(
      "/dev/loop3 /a iso9660 ro 0 0\n"
      "/dev/sr0 /b udf ro 0 0\n"
      "fuseiso /c fuse.fuseiso ro 0 0\n"
      "/dev/sr1 /d vfat ro 0 0\n"
      "/dev/sda1 /e ext4 rw 0 0\n"
      "host:/x /f nfs rw 0 0\n"
      "//host/share /g cifs rw 0 0\n"
      "user@host: /h fuse.sshfs rw 0 0\n"
      "tmpfs /i tmpfs rw 0 0\n");
  std::string optical, network;
  for (const MountEntry& mount : mounts) {
    if (IsOpticalMount(mount)) optical += mount.mount_point;
    if (IsNetworkMount(mount)) network += mount.mount_point;
  }
  EXPECT_EQ(optical, "/a/b/c/d");
  EXPECT_EQ(network, "/f/g/h");
}

}  // namespace
}  // namespace vantric
