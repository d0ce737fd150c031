#include "sim/table_drives.h"

#include <cctype>

namespace vantric {

std::string TableDrives::Key(const std::string& path) {
  std::string key = path;
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

uint32_t TableDrives::GetDriveType(const std::string& root) {
  if (root.size() != 3 || root[1] != ':' || root[2] != '\\') return DRIVE_NO_ROOT_DIR;
  const auto found = types_.find(root[0]);
  return found == types_.end() ? DRIVE_NO_ROOT_DIR : found->second;
}

bool TableDrives::CanOpenForReading(const std::string& path) { return files_.count(Key(path)) > 0; }

std::unique_ptr<DiscFile> TableDrives::OpenUnbuffered(const std::string& path) {
  const auto found = files_.find(Key(path));
  if (found == files_.end() || !found->second) return nullptr;
  std::unique_ptr<DiscFile> file = found->second();
  if (file) ++open_count_;
  return file;
}

}  // namespace vantric
