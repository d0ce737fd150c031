#pragma once

#include <optional>
#include <string>

#include "platform/linux/iso_directory.h"

namespace vantric {

// Looks up `path_in_image` ("DATA/VANTRIC.DAT", each component matched as NameMatches does) in
// the ISO 9660 directory of a device or image file, and checks the extent against the size of
// the device or file. On failure returns nothing and says why; `refused` (when given) tells a
// disc whose directory or extent cannot be trusted from one that does not hold the file.
std::optional<IsoExtent> FindIsoExtent(const std::string& device_or_image,
                                       const std::string& path_in_image, std::string* why_not,
                                       bool* refused = nullptr);

}  // namespace vantric
