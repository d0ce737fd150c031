#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/win32/drive_folders.h"

namespace vantric {

// The system's drive letters, and the folders named with --drive as CD-ROM drives of their
// own (a drive's root, such as "E:\", makes that drive count as a CD-ROM drive).
class Win32Drives : public Drives {
 public:
  explicit Win32Drives(std::vector<std::string> drive_folders);

  // Stands in for GetDriveTypeA: it is that call, but for the letters of --drive folders.
  uint32_t GetDriveType(const std::string& root) override;
  // Stands in for a read-only CreateFileA and CloseHandle: it is those calls, with critical
  // errors turned off so that a drive without a disc shows no system message box.
  bool CanOpenForReading(const std::string& path) override;
  // Stands in for CreateFileA with FILE_FLAG_NO_BUFFERING: it is that call, followed by one
  // unbuffered read of 2 KB, which drives with larger sectors refuse.
  std::unique_ptr<DiscFile> OpenUnbuffered(const std::string& path) override;
  // The path itself, or the file in a --drive folder.
  std::string LocalPath(const std::string& path) override;
  // The drive's vendor, product and revision as it reports them (IOCTL_STORAGE_QUERY_PROPERTY);
  // nothing for a folder or a drive that does not answer.
  std::optional<DriveIdentity> IdentifyDrive(const std::string& path) override;

  // Why the last file found could not be opened unbuffered; empty when it could.
  std::string LastOpenNote() const override { return last_open_note_; }

  const std::vector<DriveFolder>& Folders() const { return folders_; }

 private:
  const DriveFolder* FolderOf(const std::string& path) const;

  std::vector<DriveFolder> folders_;
  std::string last_open_note_;
};

}  // namespace vantric
