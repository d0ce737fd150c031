#pragma once

#include <string>

#include "results/audio_findings.h"

namespace vantric {

// The "Audio" member of an audio disc's curve JSON: its TOC, the tracks read, what the drive
// claims, the speed asked for, the accurate stream, the cache and the C2 scan.
std::string AudioJson(const AudioFindings& audio);

}  // namespace vantric
