#include <fcntl.h>
#include <glob.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"

namespace vantric {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

enum class Lock { kTaken, kBusy, kUnsupported };

// The lock that a log's appender and a name's probe take on the same file, so that a probe
// never removes a file a report is being written to. A lock held for seconds is not one of
// ours: the caller goes on without it.
Lock LockBriefly(int fd) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Lock::kTaken;
    if (errno != EWOULDBLOCK && errno != EINTR) return Lock::kUnsupported;
    ::usleep(10'000);
  }
  return Lock::kBusy;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The folder's entry for a renamed file reaches the disk too.
void SyncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// O_APPEND: /dev/stdout sent to a file goes on after what the program wrote there.
bool WriteOnce(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  return ::close(fd) == 0 && written;
}

}  // namespace

OutputFile::OutputFile(long long handle) : handle_(handle < 0 ? kNoHandle : handle) {
  if (handle < 0) open_error_ = errno;
}

OutputFile OutputFile::OpenForAppending(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    // O_APPEND: every write lands after whatever the file holds, so old bytes stay untouched and
    // reports that other runs append at the same moment stay whole.
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return OutputFile(fd);
    // Held until Close. A file that another run's name check removed meanwhile is gone for
    // everyone else: the name is opened anew.
    LockBriefly(fd);
    if (::fstat(fd, &status) != 0 || status.st_nlink > 0 || attempt == 10) return OutputFile(fd);
    ::close(fd);
  }
}

bool OutputFile::Write(std::string_view bytes) {
  return is_open() && WriteAll(static_cast<int>(handle_), bytes);
}

int OutputFile::Close() {
  if (!is_open()) return 0;
  const int result = ::close(static_cast<int>(handle_));
  handle_ = kNoHandle;
  return result == 0 ? 0 : errno;
}

NewNameProbe ProbeNewName(const std::string& path, int* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = errno;
    return errno == EEXIST ? NewNameProbe::kExists : NewNameProbe::kCannotCreate;
  }
  // A run that opened the new name for its log meanwhile holds the lock while it writes.
  const bool may_delete = LockBriefly(fd) != Lock::kBusy;
  struct stat ours {
  }, named{};
  const bool ours_and_empty = may_delete && ::fstat(fd, &ours) == 0 && ours.st_size == 0 &&
                              ::stat(path.c_str(), &named) == 0 && SameFile(ours, named);
  if (ours_and_empty && ::unlink(path.c_str()) != 0) {
    *error = errno;
    ::close(fd);
    return NewNameProbe::kDeleteFailed;
  }
  if (::close(fd) != 0) {
    *error = errno;
    return NewNameProbe::kCloseFailed;
  }
  return ours_and_empty ? NewNameProbe::kCreatedAndRemoved : NewNameProbe::kExists;
}

int AppendAccessError(const std::string& path) {
  struct stat status {};
  int fd = -1;
  if (::stat(path.c_str(), &status) != 0) {
    // handled below
  } else if (!S_ISREG(status.st_mode)) {
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
  } else if ((fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC)) >= 0) {
    ::close(fd);
    return 0;
  }
  return errno == ENOENT ? 0 : errno;
}

ReplacementFile::ReplacementFile(const std::string& path, WriteCall write)
    : target_(path), write_(std::move(write)) {
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  char resolved[PATH_MAX];
  if (exists && ::realpath(path.c_str(), resolved)) target_ = resolved;
  const size_t slash = target_.rfind('/');
  const size_t name_at = slash == std::string::npos ? 0 : slash + 1;
  temporary_ = target_.substr(0, name_at) + "." + target_.substr(name_at) + ".XXXXXX";
  const int fd = ::mkostemp(temporary_.data(), O_CLOEXEC);
  if (fd < 0) {
    const std::string folder = name_at == 0 ? "." : target_.substr(0, name_at - 1);
    Fail("cannot create a file in " + (folder.empty() ? "/" : folder), errno);
    return;
  }
  handle_ = fd;
  created_ = true;
  const bool owned = !exists || ::fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM;
  if (!owned || ::fchmod(fd, exists ? old.st_mode & 07777 : NewFileMode()) != 0) {
    Fail("cannot write " + temporary_, errno);
  }
}

ReplacementFile::~ReplacementFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  if (created_ && !committed_) ::unlink(temporary_.c_str());
}

void ReplacementFile::Fail(const std::string& what, int code) {
  if (error_.empty()) error_ = what + ": " + std::strerror(code);
}

bool ReplacementFile::Write(std::string_view bytes) {
  if (!ok()) return false;
  const int fd = static_cast<int>(handle_);
  while (!bytes.empty()) {
    const long long written =
        write_ ? write_(fd, bytes.data(), bytes.size()) : ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      Fail("cannot write " + temporary_, written < 0 ? errno : ENOSPC);
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool ReplacementFile::Commit() {
  if (!ok()) return false;
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  const bool synced = ::fsync(fd) == 0;
  const int sync_error = errno;
  if (::close(fd) != 0 || !synced) {
    Fail("cannot write " + temporary_, synced ? errno : sync_error);
    return false;
  }
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    Fail("cannot rename " + temporary_ + " to " + target_, errno);
    return false;
  }
  committed_ = true;
  SyncFolderOf(target_);
  return true;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  // Names under /dev and /proc (/dev/stdout, /proc/self/fd/3) stand for files the program
  // already has open, whatever they are.
  const bool open_already = path.starts_with("/dev/") || path.starts_with("/proc/");
  if (exists && (!S_ISREG(old.st_mode) || open_already)) return WriteOnce(path, bytes);
  ReplacementFile file(path);
  return file.Write(bytes) && file.Commit();
}

char NativePathSeparator() { return '/'; }

std::string SystemErrorText(int code) { return std::strerror(code); }

bool DirectoryEntryExists(const std::string& name) {
  struct stat info;
  if (::lstat(name.c_str(), &info) == 0) return true;
  if (name.find_first_of("*?[") == std::string::npos) return false;
  glob_t matches{};
  const int result = ::glob(name.c_str(), GLOB_NOSORT, nullptr, &matches);
  const bool found = result == 0 && matches.gl_pathc > 0;
  ::globfree(&matches);
  return found;
}

int FolderAccessError(const std::string& folder) {
  return ::access(folder.c_str(), R_OK | X_OK) == 0 ? 0 : errno;
}

}  // namespace vantric
