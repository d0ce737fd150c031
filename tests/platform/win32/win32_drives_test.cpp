#include "platform/win32/win32_drives.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "disc_file_contract.h"
#include "engine/engine.h"
#include "fakes.h"
#include "platform/win32/drive_folders.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_disc_devices.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_volume.h"
#include "platform/win32/windows_api.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::ExpectFileReadsLikeTheFile;
using testing::PatternBytes;
using testing::TempDir;
using testing::WriteFile;

constexpr size_t kSector = 2048;

// The drive-letter path of a place on the drive that stands for folder `index`.
std::string OnFolder(const Win32Drives& drives, size_t index, const std::string& place) {
  return std::string{drives.Folders().at(index).letter, ':'} + place;
}

TEST(DriveFolders, FoldersTakeFreeLettersAndDriveRootsKeepTheirOwn) {
  // C: is a fixed disk and D: a CD-ROM drive; the other letters are free.
  const auto system_type = [](char letter) -> uint32_t {
    return letter == 'C' ? DRIVE_FIXED : letter == 'D' ? DRIVE_CDROM : DRIVE_NO_ROOT_DIR;
  };
  const std::vector<DriveFolder> table = AssignDriveFolders(
      {"C:\\bench\\disc", "c:/", "C:/Bench/Disc\\", "Q:\\", "C:\\other"}, system_type);
  ASSERT_EQ(table.size(), 4u) << "the same folder twice counts once";
  EXPECT_EQ(table[0].letter, 'E');
  EXPECT_EQ(table[0].root, "C:\\bench\\disc\\");
  EXPECT_EQ(table[1].letter, 'C');
  EXPECT_EQ(table[1].root, "C:\\");
  EXPECT_EQ(table[2].letter, 'Q');
  EXPECT_EQ(table[3].letter, 'F');

  EXPECT_EQ(PathUnderFolder("C:\\bench\\disc\\", "E:\\DATA\\VANTRIC.DAT"),
            "C:\\bench\\disc\\DATA\\VANTRIC.DAT");
  EXPECT_EQ(PathUnderFolder("C:\\bench\\disc\\", "E:\\DATA\\..\\..\\secret.dat"), "");
  // The folder as Windows names it: with a final separator it is no longer the same folder to
  // std::filesystem::equivalent.
  EXPECT_EQ(PathUnderFolder("C:\\bench\\disc\\", "E:\\"), "C:\\bench\\disc");
  EXPECT_EQ(PathUnderFolder("E:\\", "E:\\"), "E:\\");
}

TEST(Win32DiscFile, ReadsTheFileUnbufferedAndNamesWindowsOwnErrors) {
  TempDir dir;
  const std::string content = PatternBytes(64 * kSector);
  WriteFile(dir / "DATA/VANTRIC.DAT", content);
  Win32Drives drives({dir.path()});
  std::unique_ptr<DiscFile> file =
      drives.OpenUnbuffered(OnFolder(drives, 0, "\\DATA\\VANTRIC.DAT"));
  ASSERT_NE(file, nullptr) << drives.LastOpenNote();
  EXPECT_EQ(file->Mode(), ReadMode::kDirect);
  ExpectFileReadsLikeTheFile(*file, content);

  // Through the engine: a seek before the start fails with the system's own reason.
  Win32Clock clock;
  testing::FakeRegistry registry;
  testing::FakeSystem system;
  testing::ScriptedPump pump;
  Engine engine(Platform{clock, drives, registry, system, pump});
  engine.ScanDrives();
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_FALSE(engine.ReadSectorAt(-1));
  EXPECT_EQ(engine.FirstReadFailure().error, ERROR_NEGATIVE_SEEK);
  const std::string reason = Win32ErrorText(ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(engine.ReadFailureMessage(),
            "Error reading the test disc at sector -1: " + reason + ".");
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
  EXPECT_NE(reason.back(), '.') << reason;
}

TEST(Win32Drives, TheEngineFindsOneTestFileAmongFolderDrives) {
  TempDir dir;
  WriteFile(dir / "one/DATA/VANTRIC.DAT", PatternBytes(4 * kSector));
  WriteFile(dir / "one/VANTRIC.DAT", "a later place on the same drive");
  WriteFile(dir / "two/MIRELTON/VANTRIC/VANTRIC.DAT", PatternBytes(4 * kSector));
  std::filesystem::create_directories(dir / "folder/DATA/VANTRIC.DAT");

  Win32Clock clock;
  testing::FakeRegistry registry;
  testing::FakeSystem system;
  testing::ScriptedPump pump;
  {
    Win32Drives drives({dir / "one", dir / "folder"});
    EXPECT_EQ(drives.GetDriveType(OnFolder(drives, 1, "\\")), DRIVE_CDROM);
    EXPECT_FALSE(drives.CanOpenForReading(OnFolder(drives, 1, "\\DATA\\VANTRIC.DAT")))
        << "a folder of that name is no test file";
    EXPECT_FALSE(drives.CanOpenForReading(OnFolder(drives, 0, "\\..\\two\\VANTRIC.DAT")));
    Engine engine(Platform{clock, drives, registry, system, pump});
    engine.ScanDrives();
    ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
    EXPECT_EQ(engine.TestFilePath(), OnFolder(drives, 0, "\\DATA\\VANTRIC.DAT"));
    EXPECT_TRUE(engine.ReadSectorAt(3));
  }
  Win32Drives drives({dir / "one", dir / "two"});
  Engine engine(Platform{clock, drives, registry, system, pump});
  engine.ScanDrives();
  EXPECT_EQ(engine.FindTestDisc(), SeveralDiscs);
}

// Wine has no raw optical drive: the whole-disc path is run on an image file standing in for a
// disc, through the same unbuffered open and reads a drive's volume gets.
TEST(Win32DiscDevices, AnImageStandsInForADiscReadUnbuffered) {
  TempDir dir;
  const std::string image = PatternBytes(40 * kSector + 100);
  WriteFile(dir / "disc.iso", image);
  WriteFile(dir / "blank.iso", "");
  Win32DiscDevices devices;
  EXPECT_EQ(devices.DiscProblem(dir / "disc.iso"), "");
  EXPECT_EQ(devices.DiscProblem(dir / "blank.iso"),
            dir / "blank.iso" + " reports no readable disc");
  std::string why_not;
  std::unique_ptr<DiscFile> disc = devices.Open(dir / "disc.iso", &why_not);
  ASSERT_NE(disc, nullptr) << why_not;
  EXPECT_EQ(disc->Mode(), ReadMode::kDevice);
  ExpectFileReadsLikeTheFile(*disc, image.substr(0, 40 * kSector));
  EXPECT_EQ(devices.CurrentProfile(dir / "disc.iso"), std::nullopt);
  EXPECT_EQ(devices.Identify(dir / "disc.iso"), std::nullopt);

  EXPECT_EQ(devices.Open(dir / "missing.iso", &why_not), nullptr);
  EXPECT_EQ(why_not, "cannot open " + dir / "missing.iso" + " for unbuffered reading (" +
                         Win32ErrorText(ERROR_FILE_NOT_FOUND) + ")");
}

// A drive letter, as --device takes it, is read through its volume.
TEST(Win32DiscDevices, ADriveLetterNamesItsVolume) {
  EXPECT_EQ(VolumePath("e:"), "\\\\.\\E:");
  EXPECT_EQ(VolumePath("E:\\"), "\\\\.\\E:");
  EXPECT_EQ(VolumePath("E:\\disc.iso"), "");
  EXPECT_EQ(VolumePath("1:"), "");
}

}  // namespace
}  // namespace vantric
