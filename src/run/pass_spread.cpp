#include "run/pass_spread.h"

#include <algorithm>
#include <cmath>

namespace vantric {

std::optional<PassSpread> SpreadOf(const std::vector<double>& values) {
  if (values.size() < 2) return std::nullopt;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  // Deviations from the first value rather than from the mean: passes that agree exactly give
  // exactly 0, not the rounding error of their mean.
  const double n = static_cast<double>(values.size());
  double sum = 0;
  double squares = 0;
  for (const double value : values) {
    const double deviation = value - values.front();
    sum += deviation;
    squares += deviation * deviation;
  }
  const double variance = std::max(0.0, (squares - sum * sum / n) / (n - 1));
  return PassSpread{*low, *high, std::sqrt(variance)};
}

}  // namespace vantric
