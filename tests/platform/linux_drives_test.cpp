#include "platform/linux/linux_drives.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/engine.h"
#include "fake_machine.h"
#include "fakes.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_registry.h"
#include "platform/linux/name_matching.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::FakeMachine;
using testing::PatternBytes;
using testing::TempDir;
using testing::WriteFile;

// The engine on real drives, searching as "Run Test" does.
struct SearchRig {
  explicit SearchRig(LinuxDrives& drives)
      : engine(Platform{clock, drives, registry, system, pump}) {
    engine.ScanDrives();
  }
  LinuxClock clock;
  LinuxRegistry registry;
  testing::FakeSystem system;
  testing::ScriptedPump pump;
  Engine engine;
};

class LinuxDrivesTest : public ::testing::Test {
 protected:
  TempDir dir_;
  FakeMachine machine_{dir_ / "machine"};
};

TEST_F(LinuxDrivesTest, LettersGoToDriveFoldersThenOpticalDrivesThenNetworkMounts) {
  machine_.AddDrive("sr10");
  machine_.AddDrive("sr2");
  machine_.AddDrive("sr0", "HL-DT-ST", "DVDRAM GH24NSD1 ", "LG00");
  for (const char* other : {"sda", "sr", "srx", "loop0"}) {
    std::filesystem::create_directories(dir_ / "machine/sys/block" + "/" + other);
  }
  // An optical mount is not a drive of its own: its drive is.
  machine_.SetMounts(
      "host:/share /mnt/nfs nfs4 rw 0 0\n"
      "/dev/vda / ext4 rw 0 0\n"
      "/dev/sr0 /media/My\\040Disc iso9660 ro 0 0\n"
      "//srv/x /mnt/smb cifs rw 0 0\n"
      "/dev/sr1 /media/dvd udf ro 0 0\n"
      "//srv/x /mnt/smb cifs rw 0 0\n");
  LinuxDrives drives({dir_.path(), dir_.path() + "/."}, machine_.paths());

  const std::vector<DriveLetter> expected = {
      {'D', DRIVE_CDROM, dir_.path(), ""}, {'E', DRIVE_CDROM, "", "sr0"},
      {'F', DRIVE_CDROM, "", "sr2"},       {'G', DRIVE_CDROM, "", "sr10"},
      {'H', DRIVE_REMOTE, "/mnt/nfs", ""}, {'I', DRIVE_REMOTE, "/mnt/smb", ""}};
  ASSERT_EQ(drives.Table().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(drives.Table()[i].letter, expected[i].letter);
    EXPECT_EQ(drives.Table()[i].type, expected[i].type);
    EXPECT_EQ(drives.Table()[i].root, expected[i].root);
    EXPECT_EQ(drives.Table()[i].device, expected[i].device);
  }
  EXPECT_EQ(drives.GetDriveType("D:\\"), DRIVE_CDROM);
  EXPECT_EQ(drives.GetDriveType("g:\\"), DRIVE_CDROM) << "an empty drive is a drive";
  EXPECT_EQ(drives.GetDriveType("H:\\"), DRIVE_REMOTE);
  EXPECT_EQ(drives.GetDriveType("C:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(drives.GetDriveType("J:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(drives.GetDriveType("D:"), DRIVE_NO_ROOT_DIR);

  const std::optional<DriveIdentity> drive = drives.IdentifyDrive("e:\\DATA\\VANTRIC.DAT");
  ASSERT_TRUE(drive.has_value());
  EXPECT_EQ(drive->device, machine_.Node("sr0"));
  EXPECT_EQ(drive->vendor, "HL-DT-ST");
  EXPECT_EQ(drive->model, "DVDRAM GH24NSD1");
  EXPECT_EQ(drive->revision, "LG00");
  EXPECT_EQ(drives.IdentifyDrive("G:\\VANTRIC.DAT")->model, "QEMU DVD-ROM");
  EXPECT_FALSE(drives.IdentifyDrive("D:\\DATA\\VANTRIC.DAT").has_value()) << "a folder";
  EXPECT_FALSE(drives.IdentifyDrive("H:\\DATA\\VANTRIC.DAT").has_value()) << "a share";
  EXPECT_FALSE(drives.IdentifyDrive("J:\\DATA\\VANTRIC.DAT").has_value());
}

TEST_F(LinuxDrivesTest, LettersStopAtZ) {
  for (int i = 29; i >= 0; --i) machine_.AddDrive("sr" + std::to_string(i));
  LinuxDrives drives({}, machine_.paths());
  ASSERT_EQ(drives.Table().size(), 23u);
  EXPECT_EQ(drives.Table().back().letter, 'Z');
  EXPECT_EQ(drives.Table().back().device, "sr22");
}

TEST_F(LinuxDrivesTest, MountCoveredByALaterOneIsNotADrive) {
  machine_.SetMounts(
      "host:/x /mnt/share nfs rw 0 0\n"
      "/dev/sda /mnt/share ext4 rw 0 0\n");
  LinuxDrives drives({}, machine_.paths());
  EXPECT_TRUE(drives.Table().empty());
}

TEST_F(LinuxDrivesTest, MapsDriveLetterPathsIgnoringCase) {
  WriteFile(dir_ / "disc/data/vantric.dat", "x");
  WriteFile(dir_ / "disc/VANTRIC.DAT;1", "y");
  WriteFile(dir_ / "disc/Mirelton/Vantric/VANTRIC.DAT", "z");
  LinuxDrives drives({dir_ / "disc"}, machine_.paths());
  const std::string root = dir_ / "disc";

  EXPECT_EQ(drives.LocalPath("D:\\DATA\\VANTRIC.DAT"), root + "/data/vantric.dat");
  EXPECT_EQ(drives.LocalPath("d:\\Data\\Vantric.Dat"), root + "/data/vantric.dat");
  EXPECT_EQ(drives.LocalPath("D:\\VANTRIC.DAT"), root + "/VANTRIC.DAT;1");
  EXPECT_EQ(drives.LocalPath("D:\\MIRELTON\\VANTRIC\\VANTRIC.DAT"),
            root + "/Mirelton/Vantric/VANTRIC.DAT");
  EXPECT_EQ(drives.LocalPath("D:\\DORVANE.DAT"), root + "/DORVANE.DAT");
  EXPECT_EQ(drives.LocalPath("D:\\..\\machine"), "");
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
  LinuxDrives drives({dir_ / "disc"}, machine_.paths());
  EXPECT_EQ(drives.LocalPath("D:\\VANTRIC.DAT"), dir_ / "disc/VANTRIC.DAT");
  EXPECT_EQ(drives.LocalPath("D:\\VANTRIC.dat"), dir_ / "disc/VANTRIC.DAT");
}

TEST_F(LinuxDrivesTest, ProbeRefusesFoldersAndPipes) {
  std::filesystem::create_directories(dir_ / "disc/DATA/VANTRIC.DAT");
  ASSERT_EQ(mkfifo((dir_ / "disc/VANTRIC.DAT").c_str(), 0644), 0);
  LinuxDrives drives({dir_ / "disc"}, machine_.paths());
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
  machine_.SetMounts("srv:/x " + dir_ / "net" + " nfs rw 0 0\n");
  LinuxDrives drives({dir_ / "one", dir_ / "two"}, machine_.paths());
  SearchRig rig(drives);
  Engine& engine = rig.engine;
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"D:", "E:"}));
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(engine.TestFilePath(), "D:\\DATA\\VANTRIC.DAT");
  EXPECT_EQ(engine.TestFile()->Size(), 8192);
  EXPECT_EQ(engine.CdfsPrefetch, 0);

  rig.system.arguments = {"NET"};
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives, (std::vector<std::string>{"D:", "E:", "F:"}));
  EXPECT_EQ(engine.FindTestDisc(), SeveralDiscs);

  rig.system.arguments = {"net"};
  engine.ScanDrives();
  EXPECT_EQ(engine.CandidateDrives.size(), 2u);
}

// One optical drive, sr0, whose discs are ISO images made from folders.
class OpticalDiscTest : public LinuxDrivesTest {
 protected:
  void SetUp() override {
    if (!testing::HaveXorriso()) GTEST_SKIP() << "xorriso is not installed; it makes the images";
    machine_.AddDrive("sr0");
  }
  // A disc holding a test file of `sectors` sectors at `place`.
  std::string MakeDisc(const std::string& name, const std::string& place, int64_t sectors,
                       const std::string& options = "-R -J") {
    const std::string tree = dir_ / ("tree-" + name);
    WriteFile(tree + "/" + place, PatternBytes(sectors * kSector));
    const std::string image = dir_ / (name + ".iso");
    EXPECT_TRUE(testing::MakeIsoImage(tree, image, options)) << name;
    return image;
  }
  static constexpr int64_t kSector = 2048;
};

TEST_F(OpticalDiscTest, EverySearchLooksAtTheDiscInTheDriveNow) {
  LinuxDrives drives({}, machine_.paths());
  SearchRig rig(drives);
  Engine& engine = rig.engine;
  ASSERT_EQ(engine.CandidateDrives, std::vector<std::string>{"D:"});
  EXPECT_EQ(engine.FindTestDisc(), NoDisc) << "an empty drive";

  machine_.Insert("sr0", MakeDisc("one", "DATA/VANTRIC.DAT", 20));
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(engine.TestFilePath(), "D:\\DATA\\VANTRIC.DAT");
  EXPECT_EQ(engine.TestFile()->Mode(), ReadMode::kDevice);
  EXPECT_EQ(engine.TestFile()->Size(), 20 * kSector);
  EXPECT_EQ(drives.LocalPath(engine.TestFilePath()), machine_.Node("sr0") + ":/DATA/VANTRIC.DAT");
  EXPECT_TRUE(engine.ReadSectorAt(19));
  EXPECT_FALSE(engine.ReadSectorAt(20)) << "the file ends where its extent does";

  machine_.Insert("sr0", MakeDisc("two", "MIRELTON/VANTRIC/VANTRIC.DAT", 30));
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(engine.TestFilePath(), "D:\\MIRELTON\\VANTRIC\\VANTRIC.DAT");
  EXPECT_EQ(engine.TestFile()->Size(), 30 * kSector);

  WriteFile(machine_.Node("sr0"), PatternBytes(64 * kSector));
  EXPECT_EQ(engine.FindTestDisc(), NoDisc) << "a disc without an ISO 9660 volume";
  machine_.Eject("sr0");
  EXPECT_EQ(engine.FindTestDisc(), NoDisc);
}

TEST_F(OpticalDiscTest, FindsTheFileUnderPlainJolietAndRockRidgeNames) {
  LinuxDrives drives({}, machine_.paths());
  for (const char* options : {"", "-J", "-R"}) {
    SCOPED_TRACE(std::string("mkisofs ") + options);
    // Mixed case, which Joliet and Rock Ridge keep; plain ISO 9660 records VANTRIC.DAT;1.
    machine_.Insert("sr0", MakeDisc(std::string("names") + options, "Mirelton/Vantric/Vantric.dat",
                                    4, options));
    EXPECT_TRUE(drives.CanOpenForReading("D:\\MIRELTON\\VANTRIC\\VANTRIC.DAT"));
    EXPECT_FALSE(drives.CanOpenForReading("D:\\MIRELTON\\VANTRIC")) << "a folder";
    EXPECT_FALSE(drives.CanOpenForReading("D:\\VANTRIC.DAT"));
    std::unique_ptr<DiscFile> file = drives.OpenUnbuffered("d:\\mirelton\\vantric\\vantric.dat");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Size(), 4 * kSector);
  }
}

// While the disc is mounted its files are looked for where the mount shows them; the reads
// still go to the device.
TEST_F(OpticalDiscTest, AMountedDiscIsLookedForUnderItsCurrentMountPoint) {
  machine_.Insert("sr0", MakeDisc("one", "DATA/VANTRIC.DAT", 20));
  std::filesystem::create_symlink("sr0", machine_.Node("cdrom"));
  const std::string mounted_by_link =
      machine_.Node("cdrom") + " " + dir_ / "cd" + " iso9660 ro 0 0\n";
  machine_.SetMounts(mounted_by_link);
  std::filesystem::create_directories(dir_ / "cd");
  LinuxDrives drives({}, machine_.paths());
  SearchRig rig(drives);
  Engine& engine = rig.engine;
  EXPECT_EQ(engine.FindTestDisc(), NoDisc) << "the mount shows no test file";

  WriteFile(dir_ / "cd/data/vantric.dat", PatternBytes(20 * kSector));
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(engine.TestFile()->Mode(), ReadMode::kDevice);
  EXPECT_EQ(drives.LocalPath("D:\\DATA\\VANTRIC.DAT"), dir_ / "cd/data/vantric.dat");

  // Another file system mounted over it hides the disc's mount: the disc counts as unmounted.
  machine_.SetMounts(mounted_by_link + "/dev/vdb " + dir_ / "cd" + " ext4 rw 0 0\n");
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(drives.LocalPath("D:\\DATA\\VANTRIC.DAT"), machine_.Node("sr0") + ":/DATA/VANTRIC.DAT");

  // A --drive folder at the mount point finds the same disc: one disc, not two.
  machine_.SetMounts(mounted_by_link);
  LinuxDrives with_folder({dir_ / "cd"}, machine_.paths());
  SearchRig folder_rig(with_folder);
  EXPECT_EQ(folder_rig.engine.CandidateDrives, (std::vector<std::string>{"D:", "E:"}));
  ASSERT_EQ(folder_rig.engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(folder_rig.engine.TestFilePath(), "D:\\DATA\\VANTRIC.DAT");
}

}  // namespace
}  // namespace vantric
