#include "options/drive_folders.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace vantric {

std::optional<std::string> CheckDriveFolders(const std::vector<std::string>& directories) {
  namespace fs = std::filesystem;
  for (const std::string& directory : directories) {
    std::error_code error;
    const fs::file_status status = fs::status(directory, error);
    if (!fs::exists(status)) {
      if (!error) error = std::make_error_code(std::errc::no_such_file_or_directory);
      return "--drive " + directory + ": " + error.message() +
             "; name the folder that holds the test disc's files";
    }
    if (!fs::is_directory(status)) {
      return "--drive " + directory + " is not a folder; name the folder that holds DATA";
    }
    if (const int code = FolderAccessError(directory); code != 0) {
      return "--drive " + directory + " cannot be read: " + SystemErrorText(code);
    }
  }
  return std::nullopt;
}

}  // namespace vantric
