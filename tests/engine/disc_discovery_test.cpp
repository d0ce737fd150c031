#include <gtest/gtest.h>

#include "engine/engine.h"
#include "fakes.h"
#include "sim/scripted_disc_file.h"
#include "sim/table_drives.h"
#include "sim/virtual_clock.h"

namespace vantric::testing {
namespace {

constexpr const char* kCdfsKey = "System\\CurrentControlSet\\Control\\FileSystem\\CDFS";

class DiscDiscoveryTest : public ::testing::Test {
 protected:
  // Counts the files alive, so a test can see that the last one was closed.
  class CountedFile : public ScriptedDiscFile {
   public:
    CountedFile(VirtualClock& clock, int* alive) : ScriptedDiscFile(clock, 1 << 20), alive_(alive) {
      ++*alive_;
    }
    ~CountedFile() override { --*alive_; }

   private:
    int* alive_;
  };

  void PutTestFile(const std::string& path) {
    drives.AddFile(path, [this] { return std::make_unique<CountedFile>(clock, &files_alive); });
  }

  VirtualClock clock;
  TableDrives drives;
  FakeRegistry registry;
  FakeSystem system;
  ScriptedPump pump;
  Engine engine{Platform{clock, drives, registry, system, pump}};
  int files_alive = 0;
};

TEST_F(DiscDiscoveryTest, ListsCdRomDrivesThenNetworkDrivesOnlyWithNet) {
  drives.SetDriveType('C', DRIVE_FIXED);
  drives.SetDriveType('F', DRIVE_REMOTE);
  drives.SetDriveType('G', DRIVE_CDROM);
  drives.SetDriveType('E', DRIVE_CDROM);
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"E:", "G:"}));

  system.arguments = {"net"};  // the switch is case-sensitive
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"E:", "G:"}));

  system.arguments = {"NET", "extra"};
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"E:", "G:", "F:"}));

  system.arguments = {"--drive", "NET"};  // only the first argument counts
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives.size(), 2u);
}

TEST_F(DiscDiscoveryTest, ReadsCdfsValuesAsCacheLessReadAhead) {
  engine.ScanDrives();  // no key: both stay 0
  EXPECT_EQ(engine.CdfsPrefetch, 0);
  EXPECT_EQ(engine.CdfsCacheSize, 0);

  registry.existing_key = kCdfsKey;
  engine.ScanDrives();  // a key without the values
  EXPECT_EQ(engine.CdfsPrefetch, 0);
  EXPECT_EQ(engine.CdfsCacheSize, 0);

  registry.values = {{"Prefetch", 32}, {"CacheSize", 1312}};
  engine.ScanDrives();
  EXPECT_EQ(engine.CdfsPrefetch, 32);
  EXPECT_EQ(engine.CdfsCacheSize, 1280);
  EXPECT_EQ(registry.open_keys, 0) << "the key is closed again";

  registry.values = {{"Prefetch", 64}, {"CacheSize", 64}};
  engine.ScanDrives();
  EXPECT_EQ(engine.CdfsCacheSize, 0);

  registry.values = {{"Prefetch", -2147483647 - 1}, {"CacheSize", 2147483647}};
  engine.ScanDrives();  // must not overflow
  EXPECT_EQ(engine.CdfsCacheSize, -1);
}

TEST_F(DiscDiscoveryTest, FindsNoDiscWithoutDrivesOrFile) {
  EXPECT_EQ(engine.FindTestDisc(), NoDisc);
  drives.SetDriveType('D', DRIVE_CDROM);
  drives.AddFile("D:\\OTHER.DAT", nullptr);
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), NoDisc);
  EXPECT_EQ(engine.TestFile(), nullptr);
}

TEST_F(DiscDiscoveryTest, TriesThePlacesInOrderAndCountsADriveOnce) {
  drives.SetDriveType('D', DRIVE_CDROM);
  PutTestFile("D:\\VANTRIC.DAT");
  PutTestFile("D:\\DATA\\VANTRIC.DAT");
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(engine.TestFilePath(), "D:\\DATA\\VANTRIC.DAT");
  EXPECT_EQ(files_alive, 1);
}

TEST_F(DiscDiscoveryTest, EveryPlaceIsFound) {
  drives.SetDriveType('D', DRIVE_CDROM);
  drives.SetDriveType('E', DRIVE_CDROM);
  drives.SetDriveType('H', DRIVE_CDROM);
  PutTestFile("D:\\DORVANE.DAT");
  PutTestFile("E:\\MIRELTON\\VANTRIC\\VANTRIC.DAT");
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), SeveralDiscs);
  EXPECT_EQ(engine.TestFile(), nullptr) << "nothing is opened for several discs";
  EXPECT_EQ(files_alive, 0);
}

TEST_F(DiscDiscoveryTest, NetworkShareOfTheSameDiscMakesTwo) {
  drives.SetDriveType('D', DRIVE_CDROM);
  drives.SetDriveType('N', DRIVE_REMOTE);
  PutTestFile("D:\\VANTRIC.DAT");
  PutTestFile("N:\\VANTRIC.DAT");
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), DiscOpened);
  system.arguments = {"NET"};
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), SeveralDiscs);
}

TEST_F(DiscDiscoveryTest, FailedOpenOfTheOneFileFoundIsNoDisc) {
  drives.SetDriveType('D', DRIVE_CDROM);
  drives.AddFile("D:\\VANTRIC.DAT", nullptr);  // probe finds it, the unbuffered open fails
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), NoDisc);
}

TEST_F(DiscDiscoveryTest, EachSearchClosesThePreviousFile) {
  drives.SetDriveType('D', DRIVE_CDROM);
  PutTestFile("D:\\VANTRIC.DAT");
  engine.ScanDrives();
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(files_alive, 1);
  EXPECT_EQ(drives.OpenCount(), 2);
}

TEST_F(DiscDiscoveryTest, WindowsNtIsTheVersionWordWithBit31Clear) {
  system.version = 0x0A280105;
  EXPECT_TRUE(engine.IsWindowsNT());
  system.version = 0xC0000A04;  // a Windows 95 version word
  EXPECT_FALSE(engine.IsWindowsNT());
}

}  // namespace
}  // namespace vantric::testing
