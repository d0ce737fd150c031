#include "cli/run_notes.h"

#include <algorithm>
#include <filesystem>

#include "engine/engine.h"
#include "platform/files.h"
#include "run/test_catalogue.h"
#include "run/value_text.h"

namespace vantric {
namespace {

// "DATA/VANTRIC.DAT (or DORVANE.DAT, ...)", as the system writes paths.
std::string PlacesText() {
  std::string text;
  for (size_t i = 0; i < kTestFilePlaces.size(); ++i) {
    std::string place = kTestFilePlaces[i] + 1;  // without the root's separator
    std::replace(place.begin(), place.end(), '\\', NativePathSeparator());
    text += (i == 0 ? "" : i == 1 ? " (or " : ", ") + place;
  }
  return text + ")";
}

// "/dev/sr0, Vendor Model Revision", as much of it as is known.
std::string DriveLabel(const DriveIdentity& drive) {
  const std::string name = DriveName(drive);
  return drive.device + (drive.device.empty() || name.empty() ? "" : ", ") + name;
}

}  // namespace

bool InDriveFolder(Drives& drives, const std::string& path,
                   const std::vector<std::string>& drive_directories) {
  if (path.size() < 2 || path[1] != ':') return false;
  const std::string root = drives.LocalPath(path.substr(0, 2) + "\\");
  if (root.empty()) return false;
  for (const std::string& directory : drive_directories) {
    std::error_code error;
    if (std::filesystem::equivalent(root, directory, error)) return true;
  }
  return false;
}

std::string TestFileLine(const std::string& local_path, ReadMode mode,
                         const std::optional<DriveIdentity>& drive, bool in_drive_folder) {
  std::string line =
      "Test file: " + local_path + " (" + std::string(ReadModeName(mode)) + " reads)";
  if (drive) {
    line += " on " + DriveLabel(*drive);
  } else if (in_drive_folder && mode != ReadMode::kDevice) {
    line +=
        " in a folder on a fixed disk, not a CD-ROM drive: its figures are not comparable "
        "with a drive's";
  }
  return line;
}

std::string NoDiscHelp(Drives& drives, const std::vector<std::string>& searched,
                       const std::vector<std::string>& drive_directories) {
  std::string text;
  if (searched.empty()) {
    text = "No CD-ROM drive was found to search, and no folder was given with --drive.\n";
  } else {
    text = "Looked for " + PlacesText() + " on:\n";
    for (const std::string& letter : searched) {
      const std::string root = letter + "\\";
      // An optical drive is named by its device; a folder by its path.
      const std::optional<DriveIdentity> drive = drives.IdentifyDrive(root);
      const std::string local = drive ? DriveLabel(*drive) : drives.LocalPath(root);
      const char* kind = InDriveFolder(drives, root, drive_directories)
                             ? "folder given with --drive"
                         : drives.GetDriveType(root) == DRIVE_REMOTE ? "network drive"
                                                                     : "CD-ROM drive";
      text += "  " + letter + " " + (local.empty() ? "" : local + " ") + "(" + kind + ")\n";
      if (const std::string problem = drives.DriveProblem(root); !problem.empty()) {
        text += "    " + problem + ".\n";
      }
    }
  }
  return text +
         "To run the benchmark:\n"
         "  - insert the test disc in a CD-ROM drive;\n"
         "  - or name the folder that holds the test file: --drive DIR (\"vantric-mkdisc DIR\" "
         "writes one);\n"
         "  - or try a simulated drive: --simulate 8x-clv (\"--simulate list\" shows them all).\n";
}

std::string WholeDiscHelp(DiscDevices& devices, const std::string& named) {
  std::string others;
  for (const std::string& device : devices.List()) {
    if (device != named) others += (others.empty() ? "" : ", ") + device;
  }
  const std::string access = DeviceAccessStep();
  return "To read a whole disc:\n"
         "  - put a disc in an optical drive;\n" +
         (access.empty() ? "" : "  - " + access + ";\n") + "  - or name " +
         (named.empty() || others.empty() ? "a drive, or an image file of a disc, with --device DEV"
                                          : "another drive with --device: " + others) +
         ";\n"
         "  - or try a simulated drive: --simulate dvd-16x-cav (\"--simulate list\" shows them "
         "all).\n";
}

std::optional<std::string> CpuTestsWithoutRead16(const TestSettings& settings) {
  if (settings.read16) return std::nullopt;
  for (const CatalogueTest& test : kTestCatalogue) {
    if (test.call.test == EngineTest::kCpuUsage && settings.*test.setting) {
      return "Note: the CPU tests need the 16k read test; add read16 to --tests to run them. "
             "The report shows them as Disabled.";
    }
  }
  return std::nullopt;
}

std::vector<std::string> CpuTestsBeyondTheDrive(const TestSettings& settings,
                                                const TestResults& results) {
  std::vector<std::string> notes;
  if (!settings.read16) return notes;
  for (const CatalogueTest& test : kTestCatalogue) {
    if (test.call.test != EngineTest::kCpuUsage) continue;
    if (!(settings.*test.setting) || results.flags.*test.flag) continue;
    notes.push_back("Note: the " + ResultLabel(test, settings.userval) +
                    " CPU test was not run: the drive's 16k outside rate in pass 1, " +
                    KpsText(results.FirstPassRead16Outside) +
                    ", is too slow for it. The report shows it as Disabled.");
  }
  return notes;
}

}  // namespace vantric
