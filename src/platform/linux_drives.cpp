#include "platform/linux_drives.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/disc_file_opener.h"
#include "platform/drive_path.h"

namespace vantric {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

LinuxDrives::LinuxDrives(std::vector<std::string> drive_directories, const std::string& mounts_path)
    : mounts_(ReadMountTable(mounts_path)), table_(BuildDriveTable(drive_directories, mounts_)) {}

const DriveLetter* LinuxDrives::Find(char letter) const {
  for (const DriveLetter& drive : table_) {
    if (drive.letter == Upper(letter)) return &drive;
  }
  return nullptr;
}

uint32_t LinuxDrives::GetDriveType(const std::string& root) {
  if (root.size() != 3 || root[1] != ':' || root[2] != '\\') return DRIVE_NO_ROOT_DIR;
  const DriveLetter* drive = Find(root[0]);
  return drive != nullptr ? drive->type : DRIVE_NO_ROOT_DIR;
}

std::string LinuxDrives::LocalPath(const std::string& path) {
  if (path.size() < 2 || path[1] != ':') return "";
  const DriveLetter* drive = Find(path[0]);
  if (drive == nullptr) return "";
  return ResolveUnderRoot(drive->root, path.substr(2)).value_or("");
}

bool LinuxDrives::CanOpenForReading(const std::string& path) {
  const std::string local = LocalPath(path);
  if (local.empty()) return false;
  // O_NONBLOCK: a FIFO of that name must not hang the search.
  const int fd = open(local.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  close(fd);
  return regular;
}

std::unique_ptr<DiscFile> LinuxDrives::OpenUnbuffered(const std::string& path) {
  last_open_note_.clear();
  const std::string local = LocalPath(path);
  if (local.empty()) return nullptr;
  std::unique_ptr<LinuxDiscFile> file = OpenDiscFile(local, mounts_);
  if (file) last_open_note_ = file->Note();
  return file;
}

}  // namespace vantric
