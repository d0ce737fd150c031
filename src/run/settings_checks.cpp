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
  // A new file only: one that appeared since the existence check must not be truncated.
  OutputFile file = OutputFile::CreateNew(name);
  if (!file.is_open()) return Outcome::kCannotCreate;
  if (const int error = file.Close(); error != 0) {
    DeleteNamedFile(name);
    if (detail) *detail = IoErrorText("close", error);
    return Outcome::kCleanupFailed;
  }
  if (const int error = DeleteNamedFile(name); error != 0) {
    if (detail) *detail = IoErrorText("delete", error);
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
