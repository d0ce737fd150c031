#include "cli/cli_checks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "run/settings_checks.h"

namespace vantric {
namespace {

constexpr size_t kLogNameKept = 160;

// Opens an existing entry for appending without writing to it: the error text, or nothing.
// O_NONBLOCK: a FIFO without a reader must not hang the check.
std::optional<std::string> CannotAppend(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  return std::nullopt;
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::optional<std::string> CheckDriveFolders(const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    struct stat info;
    if (::stat(directory.c_str(), &info) != 0) {
      return "--drive " + directory + ": " + std::strerror(errno) +
             "; name the folder that holds the test disc's files";
    }
    if (!S_ISDIR(info.st_mode)) {
      return "--drive " + directory + " is not a folder; name the folder that holds DATA";
    }
    if (::access(directory.c_str(), R_OK | X_OK) != 0) {
      return "--drive " + directory + " cannot be read: " + std::strerror(errno);
    }
  }
  return std::nullopt;
}

std::optional<std::string> CheckLogNameLength(const std::string& name) {
  const size_t last = name.find_last_not_of(' ');
  if (last == std::string::npos || last < kLogNameKept) return std::nullopt;
  return "the --log name is " + std::to_string(last + 1) + " characters long, but only " +
         std::to_string(kLogNameKept) + " are kept; use a shorter name (a relative one, say)";
}

std::optional<std::string> CheckLogTarget(const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (IsFolder(name)) {
    return "--log " + name + " is a folder; name a file, for example " + name +
           (name.back() == '/' ? "" : "/") + "vantric.log";
  }
  struct stat info;
  if (::stat(name.c_str(), &info) != 0) return std::nullopt;  // the dialog's check created it
  if (auto error = CannotAppend(name)) return "--log " + name + " cannot be written: " + *error;
  return std::nullopt;
}

bool JsonPathUsable(const std::string& path) {
  if (path == "-") return true;
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) return !S_ISDIR(info.st_mode) && !CannotAppend(path);
  std::string detail;
  return FileSystemLogNameProbe().ProbeCreate(path, &detail) ==
         LogNameProbe::Outcome::kCreatedAndRemoved;
}

}  // namespace vantric
