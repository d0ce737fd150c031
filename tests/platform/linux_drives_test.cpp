#include "platform/linux_drives.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/engine.h"
#include "fakes.h"
#include "platform/linux_clock.h"
#include "platform/linux_registry.h"
#include "platform/name_matching.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::TempDir;
using testing::WriteFile;

class LinuxDrivesTest : public ::testing::Test {
 protected:
  std::string Mounts(const std::string& text) {
    WriteFile(dir_ / "mounts", text);
    return dir_ / "mounts";
  }
  TempDir dir_;
};

TEST_F(LinuxDrivesTest, LettersGoToDriveFoldersThenOpticalThenNetworkMounts) {
  const std::string mounts = Mounts(
      "host:/share /mnt/nfs nfs4 rw 0 0\n"
      "/dev/vda / ext4 rw 0 0\n"
      "/dev/sr0 /media/My\\040Disc iso9660 ro 0 0\n"
      "//srv/x /mnt/smb cifs rw 0 0\n"
      "/dev/sr1 /media/dvd udf ro 0 0\n"
      "/dev/sr1 /media/dvd udf ro 0 0\n");
  LinuxDrives drives({dir_.path(), dir_.path() + "/."}, mounts);

  ASSERT_EQ(drives.Table().size(), 5u);
  const std::vector<std::pair<std::string, uint32_t>> expected = {{dir_.path(), DRIVE_CDROM},
                                                                  {"/media/My Disc", DRIVE_CDROM},
                                                                  {"/media/dvd", DRIVE_CDROM},
                                                                  {"/mnt/nfs", DRIVE_REMOTE},
                                                                  {"/mnt/smb", DRIVE_REMOTE}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(drives.Table()[i].letter, static_cast<char>('D' + i));
    EXPECT_EQ(drives.Table()[i].root, expected[i].first);
    EXPECT_EQ(drives.Table()[i].type, expected[i].second);
  }
  EXPECT_EQ(drives.GetDriveType("D:\\"), DRIVE_CDROM);
  EXPECT_EQ(drives.GetDriveType("g:\\"), DRIVE_REMOTE);
  EXPECT_EQ(drives.GetDriveType("C:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(drives.GetDriveType("I:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(drives.GetDriveType("D:"), DRIVE_NO_ROOT_DIR);
}

TEST_F(LinuxDrivesTest, LettersStopAtZ) {
  std::string text;
  for (int i = 0; i < 30; ++i)
    text += "/dev/sr" + std::to_string(i) + " /cd" + std::to_string(i) + " iso9660 ro 0 0\n";
  LinuxDrives drives({}, Mounts(text));
  ASSERT_EQ(drives.Table().size(), 23u);
  EXPECT_EQ(drives.Table().back().letter, 'Z');
  EXPECT_EQ(drives.Table().back().root, "/cd22");
}

TEST_F(LinuxDrivesTest, MountCoveredByALaterOneIsNotADrive) {
  LinuxDrives drives({}, Mounts("/dev/sr0 /media/cd iso9660 ro 0 0\n"
                                "/dev/sda /media/cd ext4 rw 0 0\n"));
  EXPECT_TRUE(drives.Table().empty());
}

TEST_F(LinuxDrivesTest, MapsDriveLetterPathsIgnoringCase) {
  WriteFile(dir_ / "disc/data/vantric.dat", "x");
  WriteFile(dir_ / "disc/VANTRIC.DAT;1", "y");
  WriteFile(dir_ / "disc/Mirelton/Vantric/VANTRIC.DAT", "z");
  LinuxDrives drives({dir_ / "disc"}, Mounts(""));
  const std::string root = dir_ / "disc";

  EXPECT_EQ(drives.LocalPath("D:\\DATA\\VANTRIC.DAT"), root + "/data/vantric.dat");
  EXPECT_EQ(drives.LocalPath("d:\\Data\\Vantric.Dat"), root + "/data/vantric.dat");
  EXPECT_EQ(drives.LocalPath("D:\\VANTRIC.DAT"), root + "/VANTRIC.DAT;1");
  EXPECT_EQ(drives.LocalPath("D:\\MIRELTON\\VANTRIC\\VANTRIC.DAT"),
            root + "/Mirelton/Vantric/VANTRIC.DAT");
  EXPECT_EQ(drives.LocalPath("D:\\DORVANE.DAT"), root + "/DORVANE.DAT");
  EXPECT_EQ(drives.LocalPath("D:\\..\\mounts"), "");
  EXPECT_EQ(drives.LocalPath("E:\\DATA\\VANTRIC.DAT"), "");
  EXPECT_EQ(drives.LocalPath("VANTRIC.DAT"), "");

  EXPECT_TRUE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT"));
  EXPECT_TRUE(drives.CanOpenForReading("D:\\MIRELTON\\VANTRIC\\VANTRIC.DAT"));
  EXPECT_FALSE(drives.CanOpenForReading("D:\\DORVANE.DAT"));
  EXPECT_FALSE(drives.CanOpenForReading("E:\\DATA\\VANTRIC.DAT"));
}

TEST_F(LinuxDrivesTest, ExactCaseWinsAndTheChoiceIsStable) {
  WriteFile(dir_ / "disc/vantric.dat", "lower");
  WriteFile(dir_ / "disc/Vantric.dat", "mixed");
  WriteFile(dir_ / "disc/VANTRIC.DAT", "upper");
  LinuxDrives drives({dir_ / "disc"}, Mounts(""));
  EXPECT_EQ(drives.LocalPath("D:\\VANTRIC.DAT"), dir_ / "disc/VANTRIC.DAT");
  EXPECT_EQ(drives.LocalPath("D:\\VANTRIC.dat"), dir_ / "disc/VANTRIC.DAT");
}

TEST_F(LinuxDrivesTest, ProbeRefusesFoldersAndPipes) {
  std::filesystem::create_directories(dir_ / "disc/DATA/VANTRIC.DAT");
  ASSERT_EQ(mkfifo((dir_ / "disc/VANTRIC.DAT").c_str(), 0644), 0);
  LinuxDrives drives({dir_ / "disc"}, Mounts(""));
  EXPECT_FALSE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT"));
  EXPECT_FALSE(drives.CanOpenForReading("D:\\VANTRIC.DAT"));
  EXPECT_EQ(drives.OpenUnbuffered("D:\\VANTRIC.DAT"), nullptr);
}

TEST(NameMatching, IgnoresCaseVersionAndEmptyExtension) {
  EXPECT_TRUE(NameMatches("vantric.dat", "VANTRIC.DAT"));
  EXPECT_TRUE(NameMatches("VANTRIC.DAT;1", "VANTRIC.DAT"));
  EXPECT_TRUE(NameMatches("DATA.", "DATA"));
  EXPECT_TRUE(NameMatches("data.;1", "DATA"));
  EXPECT_FALSE(NameMatches("VANTRIC.DA", "VANTRIC.DAT"));
  EXPECT_FALSE(NameMatches("VANTRIC.DAT;x", "VANTRIC.DAT"));
  EXPECT_FALSE(NameMatches("..", "."));
}

// The engine's search over real folders: two --drive folders holding the file are two discs;
// NET brings in network mounts after them.
TEST_F(LinuxDrivesTest, EngineFindsTheTestFileThroughTheDriveTable) {
  WriteFile(dir_ / "one/data/vantric.dat", std::string(8192, 'a'));
  std::filesystem::create_directories(dir_ / "two");
  WriteFile(dir_ / "net/VANTRIC.DAT", std::string(8192, 'b'));
  const std::string mounts = Mounts("srv:/x " + dir_ / "net" + " nfs rw 0 0\n");
  LinuxClock clock;
  LinuxRegistry registry;
  testing::FakeSystem system;
  testing::ScriptedPump pump;

  LinuxDrives drives({dir_ / "one", dir_ / "two"}, mounts);
  Engine engine(Platform{clock, drives, registry, system, pump});
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"D:", "E:"}));
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(engine.TestFilePath(), "D:\\DATA\\VANTRIC.DAT");
  EXPECT_EQ(engine.TestFile()->Size(), 8192);
  EXPECT_EQ(engine.CdfsPrefetch, 0);

  system.arguments = {"NET"};
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"D:", "E:", "F:"}));
  EXPECT_EQ(engine.FindTestDisc(), SeveralDiscs);

  system.arguments = {"net"};
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives.size(), 2u);
}

}  // namespace
}  // namespace vantric
