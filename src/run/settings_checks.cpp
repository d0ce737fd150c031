#include "run/settings_checks.h"

#include "platform/files.h"
#include "run/text_readers.h"

namespace vantric {
namespace {

std::string IoErrorText(const char* step, int error_number) {
  return std::string("I/O error ") + std::to_string(error_number) + " (" + step +
         "): " + SystemErrorText(error_number);
}

}  // namespace

bool FileSystemLogNameProbe::EntryExists(const std::string& name) {
  return DirectoryEntryExists(name);
}

LogNameProbe::Outcome FileSystemLogNameProbe::ProbeCreate(const std::string& name,
                                                          std::string* detail) {
  int error = 0;
  switch (ProbeNewName(name, &error)) {
    case NewNameProbe::kCreatedAndRemoved:
      return Outcome::kCreatedAndRemoved;
    case NewNameProbe::kExists:
      return Outcome::kExists;
    case NewNameProbe::kCannotCreate:
      return Outcome::kCannotCreate;
    case NewNameProbe::kCloseFailed:
      if (detail) *detail = IoErrorText("close", error);
      return Outcome::kCleanupFailed;
    case NewNameProbe::kDeleteFailed:
      if (detail) *detail = IoErrorText("delete", error);
      return Outcome::kCleanupFailed;
  }
  return Outcome::kCannotCreate;
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
    case LogNameProbe::Outcome::kExists:
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
