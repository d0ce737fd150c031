#include "sim/virtual_clock.h"

#include <cmath>

namespace vantric {

int64_t VirtualClock::CountsForSeconds(double seconds) const {
  return static_cast<int64_t>(std::nearbyint(seconds * static_cast<double>(frequency_)));
}

double VirtualClock::SecondsForCounts(int64_t counts) const {
  return static_cast<double>(counts) / static_cast<double>(frequency_);
}

}  // namespace vantric
