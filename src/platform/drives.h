#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/disc_file.h"

namespace vantric {

// The drive types of interest; the values are those GetDriveTypeA returns.
enum DriveType : uint32_t {
  DRIVE_UNKNOWN = 0,
  DRIVE_NO_ROOT_DIR = 1,
  DRIVE_REMOVABLE = 2,
  DRIVE_FIXED = 3,
  DRIVE_REMOTE = 4,
  DRIVE_CDROM = 5,
  DRIVE_RAMDISK = 6,
};

// The optical drive a test file is read from, as the drive itself names it.
struct DriveIdentity {
  std::string device;  // "/dev/sr0"
  std::string vendor;
  std::string model;
  std::string revision;
};

// "Vendor Model Revision", leaving out what the drive does not say.
std::string DriveName(const DriveIdentity& drive);

// Drive letters and the files on them. Paths are in drive-letter form ("D:\DATA\VANTRIC.DAT").
class Drives {
 public:
  virtual ~Drives() = default;

  // Stands in for GetDriveTypeA on a root such as "D:\".
  virtual uint32_t GetDriveType(const std::string& root) = 0;
  // Stands in for a read-only CreateFileA followed at once by CloseHandle.
  virtual bool CanOpenForReading(const std::string& path) = 0;
  // Stands in for CreateFileA with FILE_FLAG_NO_BUFFERING; nullptr when the open fails.
  virtual std::unique_ptr<DiscFile> OpenUnbuffered(const std::string& path) = 0;
  // The local file name a drive-letter path refers to, for display; empty when unmapped.
  virtual std::string LocalPath(const std::string& path) = 0;
  // The drive behind a drive-letter path; nothing for a folder or a drive the system cannot
  // name.
  virtual std::optional<DriveIdentity> IdentifyDrive(const std::string& /*path*/) {
    return std::nullopt;
  }
  // What keeps the drive at `root` from being looked into, when the system says (no disc, no
  // permission to read the device); empty otherwise. For the help after a fruitless search.
  virtual std::string DriveProblem(const std::string& /*root*/) { return ""; }
  // Why the test file opened last is read less exactly than direct, or why the one found could
  // not be opened for the benchmark's reads; empty when neither.
  virtual std::string LastOpenNote() const { return ""; }
};

}  // namespace vantric
