#include "cli/cli_checks.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "run/settings_checks.h"
#include "run/text_readers.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;

// Whether an existing entry can be written to, without writing to it: the error text, or
// nothing.
std::optional<std::string> CannotAppend(const std::string& path) {
  if (const int error = AppendAccessError(path); error != 0) return SystemErrorText(error);
  return std::nullopt;
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace

std::optional<std::string> CheckLogNameLength(const std::string& name) {
  const size_t last = name.find_last_not_of(' ');
  if (last == std::string::npos || last < kTextFieldLength) return std::nullopt;
  return "the --log name is " + std::to_string(last + 1) + " characters long, but only " +
         std::to_string(kTextFieldLength) + " are kept; use a shorter name (a relative one, say)";
}

std::optional<std::string> CheckLogTarget(const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (IsFolder(name)) {
    return "--log " + name + " is a folder; name a file, for example " + name +
           (name.back() == '/' ? "" : "/") + "vantric.log";
  }
  if (!Exists(name)) return std::nullopt;  // the dialog's check created it
  if (auto error = CannotAppend(name)) return "--log " + name + " cannot be written: " + *error;
  return std::nullopt;
}

std::optional<std::string> MissingFolderNote(const std::string& path) {
  const std::string folder = fs::path(path).parent_path().string();
  if (folder.empty()) return std::nullopt;
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (fs::is_directory(status)) return std::nullopt;
  if (fs::exists(status)) return folder + " is not a folder: name a file in a folder.";
  return "The folder " + folder +
         " does not exist: create it, or name a file in a folder that "
         "exists.";
}

bool JsonPathUsable(const std::string& path) {
  if (path == "-") return true;
  if (Exists(path)) return !IsFolder(path) && !CannotAppend(path);
  std::string detail;
  const LogNameProbe::Outcome outcome = FileSystemLogNameProbe().ProbeCreate(path, &detail);
  return outcome == LogNameProbe::Outcome::kCreatedAndRemoved ||
         outcome == LogNameProbe::Outcome::kExists;
}

}  // namespace vantric
