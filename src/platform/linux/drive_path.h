#pragma once

#include <optional>
#include <string>

namespace vantric {

// The path with symlinks, "." and ".." resolved; as given when it does not resolve.
std::string CanonicalPath(const std::string& path);

// The Linux path under `root` for the part of a drive-letter path after "X:" ("\DATA\X.DAT"):
// backslashes become slashes and each existing component is looked up ignoring case (an exact
// match first). Components not found are kept as written. Nothing for a ".." component, which
// would leave the drive.
std::optional<std::string> ResolveUnderRoot(const std::string& root, const std::string& rest);

}  // namespace vantric
