#pragma once

#include <string_view>

namespace vantric {

// Whether a directory entry answers to a wanted name the way a Windows file system would:
// ignoring case, and ignoring the ISO 9660 version (";1") and the empty extension's dot that
// an unmapped CD file system shows.
bool NameMatches(std::string_view entry, std::string_view wanted);

}  // namespace vantric
