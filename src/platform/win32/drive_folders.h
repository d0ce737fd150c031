#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantric {

// A folder named with --drive and the letter that stands for it, as a CD-ROM drive.
struct DriveFolder {
  char letter;
  std::string root;  // "E:\" for a whole drive, else the folder's full path with a final '\'
};

// Letters for the --drive folders (full paths): a drive's root keeps its own letter; any other
// folder gets the first letter from D: on that the system does not use (`system_type` gives
// DRIVE_NO_ROOT_DIR for it) and no earlier folder took. A folder named twice, or with no
// letter left, is not listed again.
std::vector<DriveFolder> AssignDriveFolders(const std::vector<std::string>& folders,
                                            const std::function<uint32_t(char)>& system_type);

// The file a drive-letter path names when its letter stands for `root`: the rest of the path
// after "X:" joined to the root; the folder itself for the drive's root. Empty when the rest
// would climb out of the folder ("..").
std::string PathUnderFolder(const std::string& root, const std::string& path);

}  // namespace vantric
