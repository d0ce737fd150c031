#include "cli/run_notes.h"

#include <filesystem>

#include "run/value_text.h"

namespace vantric {
namespace {

struct CpuTestName {
  bool TestSettings::*asked;
  bool TestFlags::*ran;
  const char* name;  // empty: the user rate, named by its text
};
constexpr CpuTestName kCpuTests[] = {
    {&TestSettings::cpu2x, &TestFlags::Cpu2xOn, "2X 300kps"},
    {&TestSettings::cpu4x, &TestFlags::Cpu4xOn, "4X 600kps"},
    {&TestSettings::cpu6x, &TestFlags::Cpu6xOn, "6X 900kps"},
    {&TestSettings::cpu8x, &TestFlags::Cpu8xOn, "8X 1200kps"},
    {&TestSettings::cpu12x, &TestFlags::Cpu12xOn, "12X 1800kps"},
    {&TestSettings::cpuuser, &TestFlags::CpuUserOn, ""},
};

std::string CpuTestLabel(const CpuTestName& test, const TestSettings& settings) {
  return *test.name ? test.name : "User " + settings.userval + "kps";
}

// "/dev/sr0, Vendor Model Revision", as much of it as is known.
std::string DriveLabel(const DriveIdentity& drive) {
  const std::string name = DriveName(drive);
  return drive.device + (drive.device.empty() || name.empty() ? "" : ", ") + name;
}

}  // namespace

std::string DriveName(const DriveIdentity& drive) {
  std::string name;
  for (const std::string* part : {&drive.vendor, &drive.model, &drive.revision}) {
    if (part->empty()) continue;
    name += (name.empty() ? "" : " ") + *part;
  }
  return name;
}

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
    text =
        "Looked for DATA/VANTRIC.DAT (or DORVANE.DAT, VANTRIC.DAT, "
        "MIRELTON/VANTRIC/VANTRIC.DAT) on:\n";
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

std::optional<std::string> CpuTestsWithoutRead16(const TestSettings& settings) {
  if (settings.read16) return std::nullopt;
  for (const CpuTestName& test : kCpuTests) {
    if (settings.*test.asked) {
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
  for (const CpuTestName& test : kCpuTests) {
    if (!(settings.*test.asked) || results.flags.*test.ran) continue;
    notes.push_back("Note: the " + CpuTestLabel(test, settings) +
                    " CPU test was not run: the drive's 16k outside rate in pass 1, " +
                    KpsText(results.FirstPassRead16Outside) +
                    ", is too slow for it. The report shows it as Disabled.");
  }
  return notes;
}

}  // namespace vantric
