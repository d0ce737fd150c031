#include "platform/drive_table.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/drives.h"

namespace vantric {
namespace {

constexpr char kFirstLetter = 'D';
constexpr char kLastLetter = 'Z';

std::string Canonical(const std::string& directory) {
  char resolved[PATH_MAX];
  return realpath(directory.c_str(), resolved) != nullptr ? resolved : directory;
}

// A mount point listed again further down is covered by the later mount.
bool HiddenByLaterMount(const std::vector<MountEntry>& mounts, size_t index) {
  return std::any_of(
      mounts.begin() + static_cast<std::ptrdiff_t>(index) + 1, mounts.end(),
      [&](const MountEntry& later) { return later.mount_point == mounts[index].mount_point; });
}

class LetterGiver {
 public:
  explicit LetterGiver(std::vector<DriveLetter>* table) : table_(table) {}

  void Give(const std::string& root, uint32_t type) {
    if (next_ > kLastLetter) return;
    const bool known = std::any_of(table_->begin(), table_->end(),
                                   [&](const DriveLetter& drive) { return drive.root == root; });
    if (known) return;
    table_->push_back({next_++, root, type});
  }

 private:
  std::vector<DriveLetter>* table_;
  char next_ = kFirstLetter;
};

}  // namespace

std::vector<DriveLetter> BuildDriveTable(const std::vector<std::string>& drive_directories,
                                         const std::vector<MountEntry>& mounts) {
  std::vector<DriveLetter> table;
  LetterGiver letters(&table);
  for (const std::string& directory : drive_directories) {
    letters.Give(Canonical(directory), DRIVE_CDROM);
  }
  for (size_t i = 0; i < mounts.size(); ++i) {
    if (IsOpticalMount(mounts[i]) && !HiddenByLaterMount(mounts, i)) {
      letters.Give(mounts[i].mount_point, DRIVE_CDROM);
    }
  }
  for (size_t i = 0; i < mounts.size(); ++i) {
    if (IsNetworkMount(mounts[i]) && !HiddenByLaterMount(mounts, i)) {
      letters.Give(mounts[i].mount_point, DRIVE_REMOTE);
    }
  }
  return table;
}

}  // namespace vantric
