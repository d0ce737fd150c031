#pragma once

#include <string>

#include "drive/drive_info.h"

namespace vantric {

// `vantric-cli info`: what a drive says of itself and of its disc, a line for each part, with
// "unknown" for what it does not answer.
std::string DriveInfoText(const DriveInfo& info);

// The same as one JSON object; what the drive does not answer is null. "Drive" is the run's
// {"Device", "Vendor", "Model", "Revision"}.
std::string DriveInfoJson(const DriveInfo& info);

}  // namespace vantric
