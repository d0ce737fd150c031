#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/disc_devices.h"
#include "platform/disc_file.h"
#include "platform/drives.h"
#include "run/test_results.h"
#include "run/test_settings.h"

namespace vantric {

// What the terminal says on stderr besides the progress and the report: which drive and file
// a run measures, where the test disc was looked for, and why tests asked for did not run.

// Whether a drive-letter path lies in one of the folders given with --drive.
bool InDriveFolder(Drives& drives, const std::string& path,
                   const std::vector<std::string>& drive_directories);

// "Test file: PATH (MODE reads)", then the drive that holds it or, for a folder given with
// --drive, that its figures are not a drive's.
std::string TestFileLine(const std::string& local_path, ReadMode mode,
                         const std::optional<DriveIdentity>& drive, bool in_drive_folder);

// Follows "Insert Vantric disc in drive before running test.": the drives searched (letters
// such as "D:") and what to do next.
std::string NoDiscHelp(Drives& drives, const std::vector<std::string>& searched,
                       const std::vector<std::string>& drive_directories);

// Follows what keeps a whole-disc curve from a disc (no optical drive, no disc in one, a drive
// named with --device that cannot be read): what to do next. `named` is the drive that
// --device names; empty when it names none.
std::string WholeDiscHelp(DiscDevices& devices, const std::string& named);

// Before a run: CPU tests asked for that cannot run because the 16k read test is not.
std::optional<std::string> CpuTestsWithoutRead16(const TestSettings& settings);

// After a completed run: CPU tests asked for that the drive was too slow for.
std::vector<std::string> CpuTestsBeyondTheDrive(const TestSettings& settings,
                                                const TestResults& results);

}  // namespace vantric
