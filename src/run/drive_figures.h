#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "run/results_view.h"
#include "run/test_results.h"

namespace vantric {

// The 16k and 2k read rates weighted 3:2:1 from the inside out, in KB/s.
double WeightedRead16(const TestResults& results);
double WeightedRead2(const TestResults& results);

// The drive types, as the type line names them.
inline constexpr std::string_view kClvName = "CLV";
inline constexpr std::string_view kCavName = "CAV";
// How many times as fast as its inside a drive must read its outside to count as CAV: a CLV
// drive reads at one rate everywhere, give or take what a measurement varies.
inline constexpr double kCavRatio = 1.2;
// Whether the outside rate is more than kCavRatio times the inside rate (any unit, both alike).
bool ReadsAsCav(double inside_rate, double outside_rate);
// "CAV" when it ReadsAsCav, otherwise "CLV".
std::string ClassifyDriveType(double inside_rate, double outside_rate);
// Whether `text` is one of the two.
bool IsDriveTypeName(std::string_view text);

// The indexes, or nothing when the tests they need were not part of the run (or, for the
// application index, when the random access time is not a positive number of milliseconds).
std::optional<double> ComputeMultimediaIndex(const TestResults& results);
std::optional<double> ComputeApplicationIndex(const TestResults& results);
// "4.7": the weighted 16k rate in multiples of 150 KB/s, one decimal.
std::string RatingNumber(double weighted_read16);
// "4.7X", as the rating line shows it.
std::string RatingFigure(double weighted_read16);

// The labels of the rating and type lines, before their ": ".
inline constexpr const char* kDriveRatingLabel = "Drive rating";
inline constexpr const char* kDriveTypeLabel = "Drive type";

// After the means: both indexes, the rating and the type into the results and the view, with
// the descriptions 11 to 14 that apply.
void DeriveDriveFigures(TestResults& results, ResultsView& view);

}  // namespace vantric
