#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantric {

// Drive letters and the names on a disc compare as Windows compares them: ASCII only.
char UpperAscii(char c);

// The components of the part of a drive-letter path after "X:" ("\DATA\X.DAT"), either
// separator accepted; empty and "." components left out.
std::vector<std::string> SplitComponents(const std::string& rest);

// The same components joined with `separator`; nothing for a ".." component, which would leave
// the drive.
std::optional<std::string> JoinComponents(const std::string& rest, char separator);

// The part as a path within an ISO 9660 volume ("DATA/X.DAT"), for a disc read from its device.
inline std::optional<std::string> PathInVolume(const std::string& rest) {
  return JoinComponents(rest, '/');
}

}  // namespace vantric
