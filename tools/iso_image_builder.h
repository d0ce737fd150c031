#pragma once

#include <string>

namespace vantric {

// Builds an ISO 9660 image (with Rock Ridge and Joliet names) of `directory` at `image_path`
// with xorriso. The image is written beside its final name and renamed when complete. On failure
// returns false and says why (xorriso missing, xorriso failing).
bool BuildIsoImage(const std::string& directory, const std::string& image_path, std::string* error);

// Whether a program of that name is found on PATH.
bool ProgramOnPath(const std::string& name);

}  // namespace vantric
