#pragma once

#include <string>
#include <vector>

#include "results/curve_json.h"

namespace vantric {

// The text report on stdout: start, end, average, minimum with its place, maximum, shape; for a
// whole disc also its medium and size and the ranges it could not read.
std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source);

// "Whole disc: DVD (as the drive reports it), 1100.0 MB; DVD 1X = 1,385,000 B/s", and its line
// end.
std::string WholeDiscLine(const WholeDisc& disc);

// Its lines from "Start:" to "Shape:", rates also in KB/s of `one_x_kbps` to the X.
std::string CurveSummaryLines(const std::vector<CurvePoint>& points, double one_x_kbps);
// "Unreadable: 1 range, 0.02 MB (0.00% of the disc)" and a line for each range, or
// "Unreadable: none"; `what` names the ranges, `of` what their share is of.
std::string RangeLines(const WholeDisc& disc, const std::vector<UnreadableRange>& ranges,
                       const std::string& what, const std::string& of);

}  // namespace vantric
