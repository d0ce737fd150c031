#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "staged_file.h"

namespace vantric {
namespace {

std::string Failure(const std::string& what, int error) {
  return what + ": " + std::strerror(error);
}

void SyncDirectory(const std::string& directory) {
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

StagedFile::StagedFile(const std::string& directory, const TestFileOptions& options)
    : options_(options), directory_(directory), path_(directory + "/.VANTRIC.DAT.XXXXXX") {
  const int fd = mkstemp(path_.data());
  if (fd < 0) {
    error_ = Failure("cannot create a file in " + directory, errno);
    return;
  }
  fchmod(fd, 0644);
  handle_ = fd;
  created_ = true;
}

StagedFile::~StagedFile() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
  if (created_ && !committed_) unlink(path_.c_str());
}

bool StagedFile::Write(const char* data, size_t bytes) {
  const int fd = static_cast<int>(handle_);
  while (bytes > 0) {
    const ssize_t written =
        options_.write ? options_.write(fd, data, bytes) : write(fd, data, bytes);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = Failure("cannot write " + path_, written < 0 ? errno : ENOSPC);
      return false;
    }
    data += written;
    bytes -= static_cast<size_t>(written);
  }
  return true;
}

bool StagedFile::Commit(const std::string& final_path) {
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  const bool synced = fsync(fd) == 0;
  const int sync_error = errno;
  if (close(fd) != 0 || !synced) {
    error_ = Failure("cannot write " + path_, synced ? errno : sync_error);
    return false;
  }
  if (rename(path_.c_str(), final_path.c_str()) != 0) {
    error_ = Failure("cannot rename " + path_ + " to " + final_path, errno);
    return false;
  }
  committed_ = true;
  SyncDirectory(directory_);
  return true;
}

}  // namespace vantric
