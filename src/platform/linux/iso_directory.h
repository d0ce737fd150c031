#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vantric {

// Where a file's data lies on an ISO 9660 volume.
struct IsoExtent {
  int64_t first_byte = 0;  // from the start of the volume
  int64_t size = 0;
};

// The bytes of a volume: a disc in a drive, an image file, or bytes in memory.
class VolumeBytes {
 public:
  virtual ~VolumeBytes() = default;
  virtual int64_t Size() const = 0;
  // All `count` bytes from `offset`, or false.
  virtual bool Read(int64_t offset, size_t count, unsigned char* out) = 0;
};

enum class IsoLookupFailure {
  kNone,
  kNoVolume,   // no ISO 9660 volume descriptor
  kNotListed,  // the directory was read and does not hold the file
  // The directory or the file cannot be trusted or used: a record that runs past its block, a
  // folder larger than any disc's, an extent outside the volume, an empty file, a file in
  // several pieces.
  kRefused,
};

struct IsoLookup {
  std::optional<IsoExtent> extent;
  IsoLookupFailure failure = IsoLookupFailure::kNone;
  std::string refusal;  // what was refused, for kRefused
};

// A disc's folder is a few KB. Reading more than this would take minutes on a drive at every
// search, for a folder no disc sensibly has.
inline constexpr int64_t kMaxIsoFolderBytes = 1 << 20;

// Looks up `path_in_image` ("DATA/VANTRIC.DAT") in the volume's directory: each component
// matched as NameMatches does against a record's recorded name or its Rock Ridge name, and,
// when that tree does not list the file, against the Joliet names. Reads only within the
// volume, and at most kMaxIsoFolderBytes of each folder on the path.
IsoLookup LookUpIsoFile(VolumeBytes& volume, const std::string& path_in_image);

}  // namespace vantric
