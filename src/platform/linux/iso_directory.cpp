#include "platform/linux/iso_directory.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string_view>
#include <vector>

#include "platform/linux/name_matching.h"

namespace vantric {
namespace {

constexpr int64_t kBlock = 2048;
constexpr int64_t kFirstDescriptorBlock = 16;
// Discs carry two to four descriptors before the terminator; a volume without one ends here.
constexpr int kMaxDescriptors = 32;
constexpr size_t kRootRecordAt = 156;
constexpr size_t kRootRecordBytes = 34;
constexpr size_t kRecordHeaderBytes = 33;  // everything before the name

constexpr unsigned char kFolderFlag = 0x02;
constexpr unsigned char kMoreExtentsFlag = 0x80;
constexpr unsigned char kNameIsCurrentOrParent = 0x06;  // Rock Ridge NM flags

uint32_t Le32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint32_t Le16(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8;
}

// One directory record, read only after its length and its name's length were found to lie
// within its block.
struct Record {
  int64_t first_byte = 0;
  int64_t size = 0;
  bool folder = false;
  bool more_extents = false;
  bool current_or_parent = false;  // the "." and ".." entries
  std::string name;                // as recorded; Joliet names as UTF-8
  std::string rock_ridge_name;
};

void AppendUtf8(uint32_t unit, std::string* out) {
  if (unit < 0x80) {
    *out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    *out += static_cast<char>(0xc0 | unit >> 6);
    *out += static_cast<char>(0x80 | (unit & 0x3f));
  } else {
    *out += static_cast<char>(0xe0 | unit >> 12);
    *out += static_cast<char>(0x80 | (unit >> 6 & 0x3f));
    *out += static_cast<char>(0x80 | (unit & 0x3f));
  }
}

// The Rock Ridge name among the System Use entries that follow a record's name.
std::string RockRidgeName(const unsigned char* entries, size_t length) {
  std::string name;
  size_t at = 0;
  while (at + 4 <= length) {
    const size_t entry_length = entries[at + 2];
    if (entry_length < 4 || entry_length > length - at) break;
    const unsigned char* entry = entries + at;
    if (entry[0] == 'S' && entry[1] == 'T') break;
    if (entry[0] == 'N' && entry[1] == 'M' && entry_length >= 5 &&
        (entry[4] & kNameIsCurrentOrParent) == 0) {
      name.append(reinterpret_cast<const char*>(entry + 5), entry_length - 5);
    }
    at += entry_length;
  }
  return name;
}

// The record at the start of `bytes`, of which `available` lie within its block. False when
// the record claims more than that.
bool ParseRecord(const unsigned char* bytes, size_t available, bool joliet, Record* record) {
  const size_t length = bytes[0];
  if (length < kRecordHeaderBytes || length > available) return false;
  const size_t name_length = bytes[32];
  if (kRecordHeaderBytes + name_length > length) return false;
  // Data starts after the extended attribute record, as Linux reads it.
  record->first_byte = (static_cast<int64_t>(Le32(bytes + 2)) + bytes[1]) * kBlock;
  record->size = Le32(bytes + 10);
  record->folder = (bytes[25] & kFolderFlag) != 0;
  record->more_extents = (bytes[25] & kMoreExtentsFlag) != 0;
  const unsigned char* name = bytes + kRecordHeaderBytes;
  record->current_or_parent = name_length == 1 && (name[0] == 0 || name[0] == 1);
  record->name.clear();
  record->rock_ridge_name.clear();
  if (joliet) {
    // UCS-2, big-endian.
    for (size_t i = 0; i + 1 < name_length; i += 2) {
      AppendUtf8(static_cast<uint32_t>(name[i]) << 8 | name[i + 1], &record->name);
    }
    return true;
  }
  record->name.assign(reinterpret_cast<const char*>(name), name_length);
  const size_t system_use = kRecordHeaderBytes + name_length + (name_length % 2 == 0 ? 1 : 0);
  if (system_use < length) {
    record->rock_ridge_name = RockRidgeName(bytes + system_use, length - system_use);
  }
  return true;
}

struct Tree {
  Record root;
  bool joliet = false;
};

// The primary tree and, when the volume has one, the Joliet tree.
struct Trees {
  std::optional<Tree> primary;
  std::optional<Tree> joliet;
};

bool IsJolietEscape(const unsigned char* descriptor) {
  return descriptor[88] == '%' && descriptor[89] == '/' &&
         (descriptor[90] == '@' || descriptor[90] == 'C' || descriptor[90] == 'E');
}

Trees ReadVolumeDescriptors(VolumeBytes& volume) {
  Trees trees;
  unsigned char descriptor[kBlock];
  for (int i = 0; i < kMaxDescriptors; ++i) {
    if (!volume.Read((kFirstDescriptorBlock + i) * kBlock, kBlock, descriptor)) break;
    if (std::memcmp(descriptor + 1, "CD001", 5) != 0 || descriptor[0] == 255) break;
    const bool primary = descriptor[0] == 1 && !trees.primary;
    const bool joliet = descriptor[0] == 2 && !trees.joliet && IsJolietEscape(descriptor);
    // Only 2 KB blocks: the block size of every CD and DVD.
    if ((!primary && !joliet) || Le16(descriptor + 128) != kBlock) continue;
    Tree tree{{}, joliet};
    if (!ParseRecord(descriptor + kRootRecordAt, kRootRecordBytes, joliet, &tree.root) ||
        !tree.root.folder) {
      continue;
    }
    (primary ? trees.primary : trees.joliet) = tree;
  }
  return trees;
}

std::string FolderName(const std::string& path) {
  return path.empty() ? "the root folder" : "the folder " + path;
}

bool LiesWithin(const VolumeBytes& volume, const Record& record) {
  return record.first_byte + record.size <= volume.Size();
}

enum class Search { kFound, kMissing, kRefused };

// Finds the entry `wanted` in `folder` (at `folder_path`, for messages), a folder or not as
// `want_folder` says.
Search FindInFolder(VolumeBytes& volume, const Record& folder, const std::string& folder_path,
                    bool joliet, std::string_view wanted, bool want_folder, Record* found,
                    std::string* refusal) {
  if (folder.size > kMaxIsoFolderBytes) {
    *refusal = FolderName(folder_path) + " claims " + std::to_string(folder.size) +
               " bytes, more than a disc's folder can sensibly hold (1 MB)";
    return Search::kRefused;
  }
  if (!LiesWithin(volume, folder)) {
    *refusal = FolderName(folder_path) + " lies past the end of the volume";
    return Search::kRefused;
  }
  std::vector<unsigned char> bytes(static_cast<size_t>(folder.size));
  if (!bytes.empty() && !volume.Read(folder.first_byte, bytes.size(), bytes.data())) {
    *refusal = FolderName(folder_path) + " cannot be read";
    return Search::kRefused;
  }
  // Records never cross a block's end; a zero length ends the block's records.
  for (size_t block = 0; block < bytes.size(); block += kBlock) {
    const size_t block_end = std::min(bytes.size(), block + kBlock);
    size_t at = block;
    while (at < block_end && bytes[at] != 0) {
      if (!ParseRecord(bytes.data() + at, block_end - at, joliet, found)) {
        *refusal = FolderName(folder_path) + " holds a damaged record";
        return Search::kRefused;
      }
      at += bytes[at];
      if (found->current_or_parent || found->folder != want_folder) continue;
      if (NameMatches(found->name, wanted) ||
          (!found->rock_ridge_name.empty() && NameMatches(found->rock_ridge_name, wanted))) {
        return Search::kFound;
      }
    }
  }
  return Search::kMissing;
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

IsoLookup LookUpInTree(VolumeBytes& volume, const Tree& tree,
                       const std::vector<std::string>& components) {
  IsoLookup lookup;
  Record folder = tree.root;
  std::string folder_path;
  for (size_t i = 0; i < components.size(); ++i) {
    const bool last = i + 1 == components.size();
    Record entry;
    switch (FindInFolder(volume, folder, folder_path, tree.joliet, components[i], !last, &entry,
                         &lookup.refusal)) {
      case Search::kFound:
        break;
      case Search::kMissing:
        lookup.failure = IsoLookupFailure::kNotListed;
        return lookup;
      case Search::kRefused:
        lookup.failure = IsoLookupFailure::kRefused;
        return lookup;
    }
    folder_path += (folder_path.empty() ? "" : "/") + components[i];
    if (!last) {
      folder = entry;
      continue;
    }
    if (entry.more_extents) {
      lookup.refusal = folder_path + " lies in several pieces on the disc";
    } else if (entry.size == 0) {
      lookup.refusal = folder_path + " is empty";
    } else if (!LiesWithin(volume, entry)) {
      lookup.refusal = folder_path + " lies past the end of the volume";
    } else {
      lookup.extent = IsoExtent{entry.first_byte, entry.size};
      return lookup;
    }
    lookup.failure = IsoLookupFailure::kRefused;
  }
  return lookup;
}

}  // namespace

IsoLookup LookUpIsoFile(VolumeBytes& volume, const std::string& path_in_image) {
  const std::vector<std::string> components = SplitPath(path_in_image);
  const Trees trees = ReadVolumeDescriptors(volume);
  if (!trees.primary) return {std::nullopt, IsoLookupFailure::kNoVolume, ""};
  if (components.empty()) return {std::nullopt, IsoLookupFailure::kNotListed, ""};
  // The mounted names (Rock Ridge, Joliet or the kernel's lower-cased ISO names) need not
  // equal the recorded ones, so each tree is walked name by name.
  IsoLookup lookup = LookUpInTree(volume, *trees.primary, components);
  if (lookup.failure == IsoLookupFailure::kNotListed && trees.joliet) {
    lookup = LookUpInTree(volume, *trees.joliet, components);
  }
  return lookup;
}

}  // namespace vantric
