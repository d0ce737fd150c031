#pragma once

#include <optional>
#include <vector>

namespace vantric {

// How far the passes of a run agreed on one value.
struct PassSpread {
  double minimum = 0;
  double maximum = 0;
  // The sample standard deviation (divided by n - 1): the passes are a sample of what the
  // drive does, not all of it.
  double standard_deviation = 0;
};

// Nothing for fewer than two values: one pass has no spread.
std::optional<PassSpread> SpreadOf(const std::vector<double>& values);

}  // namespace vantric
