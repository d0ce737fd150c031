#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files.h"

namespace vantric {

OutputFile::OutputFile(long long handle) : handle_(handle < 0 ? kNoHandle : handle) {
  if (handle < 0) open_error_ = errno;
}

OutputFile OutputFile::OpenForAppending(const std::string& path) {
  // O_APPEND: every write lands after whatever the file holds, so old bytes stay untouched.
  return OutputFile(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
}

OutputFile OutputFile::CreateNew(const std::string& path) {
  return OutputFile(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

OutputFile OutputFile::OpenExistingForAppending(const std::string& path) {
  return OutputFile(::open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC));
}

bool OutputFile::Write(std::string_view bytes) {
  if (!is_open()) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written =
        ::write(static_cast<int>(handle_), bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

int OutputFile::Close() {
  if (!is_open()) return 0;
  const int result = ::close(static_cast<int>(handle_));
  handle_ = kNoHandle;
  return result == 0 ? 0 : errno;
}

int DeleteNamedFile(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

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
