#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantric {

// Where a file's data lies on an ISO 9660 volume.
struct IsoExtent {
  int64_t first_byte = 0;  // from the start of the volume
  int64_t size = 0;
};

// Looks up `path_in_image` ("DATA/VANTRIC.DAT", each component matched as NameMatches does) in
// the ISO 9660 directory of a device or image file. On failure returns nothing and says why.
std::optional<IsoExtent> FindIsoExtent(const std::string& device_or_image,
                                       const std::string& path_in_image, std::string* why_not);

}  // namespace vantric
