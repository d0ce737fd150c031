#include "run/settings_checks.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "run/text_readers.h"

namespace vantric {
namespace {

bool HasWildcard(const std::string& name) { return name.find_first_of("*?[") != std::string::npos; }

std::string IoErrorText(const char* step, int error_number) {
  return std::string("I/O error ") + std::to_string(error_number) + " (" + step +
         "): " + std::strerror(error_number);
}

}  // namespace

bool FileSystemLogNameProbe::EntryExists(const std::string& name) {
  struct stat info;
  if (::lstat(name.c_str(), &info) == 0) return true;
  if (!HasWildcard(name)) return false;
  glob_t matches{};
  const int result = ::glob(name.c_str(), GLOB_NOSORT, nullptr, &matches);
  const bool found = result == 0 && matches.gl_pathc > 0;
  ::globfree(&matches);
  return found;
}

LogNameProbe::Outcome FileSystemLogNameProbe::ProbeCreate(const std::string& name,
                                                          std::string* detail) {
  // O_EXCL: a file that appeared since the existence check must not be truncated by a probe.
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return Outcome::kCannotCreate;
  if (::close(fd) != 0) {
    const int error_number = errno;
    ::unlink(name.c_str());
    if (detail) *detail = IoErrorText("close", error_number);
    return Outcome::kCleanupFailed;
  }
  if (::unlink(name.c_str()) != 0) {
    if (detail) *detail = IoErrorText("delete", errno);
    return Outcome::kCleanupFailed;
  }
  return Outcome::kCreatedAndRemoved;
}

std::optional<std::string> CheckSettings(TestSettings& settings, LogNameProbe& probe) {
  // Negative counts and rates are refused too: they would make a run of no passes, or a CPU
  // test pacing its reads at no rate at all.
  const int32_t passes = TextToInt(settings.PassEdit);
  if (passes <= 0 || passes > 99) return kInvalidPassesMessage;

  if (settings.cpuuser) {
    const int32_t rate = TextToInt(settings.userval);
    if (rate <= 0 || rate % 2 != 0) return kInvalidUserRateMessage;
  }

  settings.LogEdit = TrimBlanks(settings.LogEdit);
  const std::string& name = settings.LogEdit;
  if (name.empty() || probe.EntryExists(name)) return std::nullopt;

  std::string detail;
  switch (probe.ProbeCreate(name, &detail)) {
    case LogNameProbe::Outcome::kCreatedAndRemoved:
      return std::nullopt;
    case LogNameProbe::Outcome::kCannotCreate:
      return kInvalidLogNameMessage;
    case LogNameProbe::Outcome::kCleanupFailed:
      return detail;
  }
  return kInvalidLogNameMessage;
}

std::optional<std::string> CheckSettings(TestSettings& settings) {
  FileSystemLogNameProbe probe;
  return CheckSettings(settings, probe);
}

}  // namespace vantric
