#pragma once

#include <optional>
#include <string>

#include "run/results_view.h"
#include "run/test_results.h"

namespace vantric {

// The 16k and 2k read rates weighted 3:2:1 from the inside out, in KB/s.
double WeightedRead16(const TestResults& results);
double WeightedRead2(const TestResults& results);
// "CAV" when the outside rate is more than 1.2 times the inside rate, otherwise "CLV".
std::string ClassifyDriveType(double inside_rate, double outside_rate);

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
