#include "platform/win32/drive_folders.h"

#include <algorithm>

#include "platform/drives.h"
#include "platform/path_components.h"

namespace vantric {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "E:", "E:\" or "e:/": the letter; 0 for anything else.
char RootLetter(const std::string& folder) {
  const bool root = (folder.size() == 2 || (folder.size() == 3 && IsSeparator(folder[2]))) &&
                    folder[1] == ':' && UpperAscii(folder[0]) >= 'A' &&
                    UpperAscii(folder[0]) <= 'Z';
  return root ? UpperAscii(folder[0]) : 0;
}

std::string WithFinalSeparator(std::string folder) {
  std::replace(folder.begin(), folder.end(), '/', '\\');
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

bool SameFolder(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperAscii(x) == UpperAscii(y);
         });
}

}  // namespace

std::vector<DriveFolder> AssignDriveFolders(const std::vector<std::string>& folders,
                                            const std::function<uint32_t(char)>& system_type) {
  std::vector<DriveFolder> table;
  auto taken = [&table](char letter) {
    return std::any_of(table.begin(), table.end(),
                       [letter](const DriveFolder& drive) { return drive.letter == letter; });
  };
  for (const std::string& folder : folders) {
    const char own_letter = RootLetter(folder);
    const std::string root =
        own_letter != 0 ? std::string{own_letter, ':', '\\'} : WithFinalSeparator(folder);
    const bool known = std::any_of(table.begin(), table.end(), [&root](const DriveFolder& drive) {
      return SameFolder(drive.root, root);
    });
    if (known) continue;
    char letter = own_letter;
    for (char candidate = 'D'; letter == 0 && candidate <= 'Z'; ++candidate) {
      if (!taken(candidate) && system_type(candidate) == DRIVE_NO_ROOT_DIR) letter = candidate;
    }
    if (letter != 0 && !taken(letter)) table.push_back({letter, root});
  }
  return table;
}

std::string PathUnderFolder(const std::string& root, const std::string& path) {
  const std::optional<std::string> rest =
      JoinComponents(path.size() >= 2 && path[1] == ':' ? path.substr(2) : path, '\\');
  if (!rest) return "";
  // The folder itself without its final separator, as Windows names a folder ("C:\disc", but
  // "E:\" for a drive).
  if (rest->empty() && root.size() > 3) return root.substr(0, root.size() - 1);
  return root + *rest;
}

}  // namespace vantric
