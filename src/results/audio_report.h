#pragma once

#include <string>
#include <vector>

#include "results/curve_json.h"

namespace vantric {

// The audio command's report on stdout: the drive, the TOC, the tracks read, the speed asked
// for, the extraction speed as a curve's report gives it, the accurate stream, the audio cache,
// the C2 pointers with the sectors found with C2 errors, and the unreadable ranges.
// `source` holds both its disc and its audio.
std::string AudioReportText(const std::vector<CurvePoint>& points, const CurveSource& source);

// "04:12.37": minutes, seconds and frames (75 a second) of `sectors`.
std::string MsfText(int64_t sectors);

}  // namespace vantric
