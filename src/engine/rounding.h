#pragma once

#include <cmath>
#include <cstdint>

namespace vantric {

// Nearest integer, halves to the even neighbour (12.5 -> 12, 37.5 -> 38), as everywhere in the
// program. Relies on the default rounding mode, which nothing in the program changes.
inline int64_t Round(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

}  // namespace vantric
