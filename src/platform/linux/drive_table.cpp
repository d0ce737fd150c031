#include "platform/linux/drive_table.h"

#include <algorithm>

#include "platform/drives.h"
#include "platform/linux/drive_path.h"

namespace vantric {
namespace {

constexpr char kFirstLetter = 'D';
constexpr char kLastLetter = 'Z';

class LetterGiver {
 public:
  explicit LetterGiver(std::vector<DriveLetter>* table) : table_(table) {}

  void Give(uint32_t type, const std::string& root, const std::string& device) {
    if (next_ > kLastLetter) return;
    const bool known = std::any_of(table_->begin(), table_->end(), [&](const DriveLetter& drive) {
      return drive.root == root && drive.device == device;
    });
    if (known) return;
    table_->push_back({next_++, type, root, device});
  }

 private:
  std::vector<DriveLetter>* table_;
  char next_ = kFirstLetter;
};

}  // namespace

std::vector<DriveLetter> BuildDriveTable(const std::vector<std::string>& drive_directories,
                                         const std::vector<std::string>& optical_drives,
                                         const std::vector<MountEntry>& mounts) {
  std::vector<DriveLetter> table;
  LetterGiver letters(&table);
  for (const std::string& directory : drive_directories) {
    letters.Give(DRIVE_CDROM, CanonicalPath(directory), "");
  }
  for (const std::string& device : optical_drives) letters.Give(DRIVE_CDROM, "", device);
  for (size_t i = 0; i < mounts.size(); ++i) {
    if (IsNetworkMount(mounts[i]) && !CoveredByLaterMount(mounts, i)) {
      letters.Give(DRIVE_REMOTE, mounts[i].mount_point, "");
    }
  }
  return table;
}

}  // namespace vantric
