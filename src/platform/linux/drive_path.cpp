#include "platform/linux/drive_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include "platform/linux/name_matching.h"
#include "platform/path_components.h"

namespace vantric {
namespace {

// The entry of `directory` that answers to `wanted`; the smallest name when several do, so
// that the answer does not depend on the directory's order.
std::string FindEntry(const std::string& directory, const std::string& wanted) {
  struct stat status {};
  if (lstat((directory + "/" + wanted).c_str(), &status) == 0) return wanted;
  DIR* listing = opendir(directory.c_str());
  if (listing == nullptr) return wanted;
  std::string best;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (NameMatches(name, wanted) && (best.empty() || name < best)) best = name;
  }
  closedir(listing);
  return best.empty() ? wanted : best;
}

}  // namespace

std::string CanonicalPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

std::optional<std::string> ResolveUnderRoot(const std::string& root, const std::string& rest) {
  std::string path = root;
  for (const std::string& component : SplitComponents(rest)) {
    if (component == "..") return std::nullopt;
    const std::string name = FindEntry(path, component);
    path += (path.empty() || path.back() != '/' ? "/" : "") + name;
  }
  return path;
}

}  // namespace vantric
