#pragma once

#include <cstdint>
#include <optional>

namespace vantric {

// The drive's current profile, from the GET CONFIGURATION command sent through SG_IO on an open
// descriptor of its device; nothing when the device does not take the command (an image file,
// a drive too old to know profiles) or reports no current profile (no disc).
std::optional<uint16_t> ReadCurrentProfile(int fd);

}  // namespace vantric
