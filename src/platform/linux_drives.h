#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/drive_table.h"
#include "platform/drives.h"
#include "platform/mount_table.h"

namespace vantric {

// Drive letters over Linux directories: the table is made once, from the --drive directories
// and the mounts file.
class LinuxDrives : public Drives {
 public:
  explicit LinuxDrives(std::vector<std::string> drive_directories,
                       const std::string& mounts_path = "/proc/self/mounts");

  // Stands in for GetDriveTypeA; DRIVE_NO_ROOT_DIR for a letter without a drive.
  uint32_t GetDriveType(const std::string& root) override;
  // Stands in for CreateFileA (read-only) and CloseHandle: open(O_RDONLY) of a regular file.
  bool CanOpenForReading(const std::string& path) override;
  // Stands in for CreateFileA with FILE_FLAG_NO_BUFFERING: direct, device or uncached reads.
  std::unique_ptr<DiscFile> OpenUnbuffered(const std::string& path) override;
  std::string LocalPath(const std::string& path) override;

  const std::vector<DriveLetter>& Table() const { return table_; }
  // Why the last file opened is read less exactly than direct; empty when it is not.
  const std::string& LastOpenNote() const { return last_open_note_; }

 private:
  const DriveLetter* Find(char letter) const;

  std::vector<MountEntry> mounts_;
  std::vector<DriveLetter> table_;
  std::string last_open_note_;
};

}  // namespace vantric
