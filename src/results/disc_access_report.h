#pragma once

#include <string>

#include "curve/disc_access.h"
#include "results/curve_json.h"

namespace vantric {

// The access tests of a whole disc (`source.disc`), measured from `source.measured_at` to
// `ended`, as the report on stdout: what they ran on, each test's value with the places it read
// between, and the spin-up time or why it is unknown.
std::string DiscAccessReportText(const DiscAccessResults& results, const CurveSource& source);

// The same as JSON, laid out as a run's: Vantric, Format, the times, each value under the run's
// key for the same test (null when unknown), the disc, the drive and the read speed.
std::string DiscAccessJson(const DiscAccessResults& results, const CurveSource& source,
                           const LocalTime& ended);

}  // namespace vantric
