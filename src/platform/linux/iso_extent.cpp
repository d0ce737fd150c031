#include "platform/linux/iso_extent.h"

#include <cdio/iso9660.h>
#include <cdio/logging.h>

#include <memory>
#include <sstream>
#include <vector>

#include "platform/linux/name_matching.h"

namespace vantric {
namespace {

struct IsoCloser {
  void operator()(iso9660_t* iso) const { iso9660_close(iso); }
};
struct DirListFreer {
  void operator()(CdioList_t* list) const { iso9660_filelist_free(list); }
};

// An empty drive or a disc without ISO 9660 is an ordinary answer here, said through why_not;
// the library would also write it to stderr at every search.
void SilenceLibraryLog() {
  static const bool silenced = [] {
    cdio_log_set_handler([](cdio_log_level_t, const char*) {});
    return true;
  }();
  (void)silenced;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> components;
  std::istringstream parts(path);
  std::string part;
  while (std::getline(parts, part, '/')) {
    if (!part.empty() && part != ".") components.push_back(part);
  }
  return components;
}

}  // namespace

std::optional<IsoExtent> FindIsoExtent(const std::string& device_or_image,
                                       const std::string& path_in_image, std::string* why_not) {
  SilenceLibraryLog();
  const std::unique_ptr<iso9660_t, IsoCloser> iso(
      iso9660_open_ext(device_or_image.c_str(), ISO_EXTENSION_ALL));
  if (!iso) {
    *why_not = device_or_image + " holds no ISO 9660 volume";
    return std::nullopt;
  }
  const std::vector<std::string> components = SplitPath(path_in_image);
  if (components.empty()) {
    *why_not = "no file named";
    return std::nullopt;
  }
  // The directory is walked name by name because the mounted names (Rock Ridge, Joliet or the
  // kernel's lower-cased ISO names) need not equal the recorded ones.
  std::string directory = "/";
  for (size_t i = 0; i < components.size(); ++i) {
    const bool last = i + 1 == components.size();
    const std::unique_ptr<CdioList_t, DirListFreer> entries(
        iso9660_ifs_readdir(iso.get(), directory.c_str()));
    const iso9660_stat_t* found = nullptr;
    if (entries) {
      CdioListNode_t* node;
      _CDIO_LIST_FOREACH(node, entries.get()) {
        const auto* entry = static_cast<const iso9660_stat_t*>(_cdio_list_node_data(node));
        const std::string_view name = entry->filename;
        if (name == "." || name == ".." || !NameMatches(name, components[i])) continue;
        if ((entry->type == iso9660_stat_s::_STAT_DIR) == !last) {
          found = entry;
          break;
        }
      }
    }
    if (found == nullptr) {
      *why_not = "the ISO 9660 directory of " + device_or_image + " does not list " + path_in_image;
      return std::nullopt;
    }
    if (last) return IsoExtent{static_cast<int64_t>(found->lsn) * ISO_BLOCKSIZE, found->size};
    directory += std::string(found->filename) + "/";
  }
  return std::nullopt;
}

}  // namespace vantric
