#pragma once

#include <array>
#include <cstdint>

namespace vantric {

// Where the access and burst tests read on a whole disc, in place of the test file's places:
// the seek overhead's and the bursts' places are the test disc's, scaled to the disc's size;
// the full stroke goes from its first sector to its last, the third of the stroke across the
// middle third of its sectors, and the random seeks spread over all of it.
struct DiscPlaces {
  int32_t overhead_away, overhead_back, overhead_stride;
  int32_t full_near, full_far;
  int32_t third_near, third_far;
  int64_t random_span;
  int32_t burst_first, burst_stride;
};

// The smallest disc over which the tests' reads stay apart (about 20 MB): below it the scaled
// strides would read sectors the drive still holds in its buffer.
inline constexpr int64_t kSmallestAccessDisc = 10'000;

DiscPlaces PlacesOnDisc(int64_t disc_sectors);

// The random access test's 200 sectors in their order, drawn over `span` sectors: 270,000 on
// the test disc.
inline constexpr int kRandomSteps = 200;
std::array<int32_t, kRandomSteps> RandomAccessPositions(int64_t span);

// The sectors each end of a stroke test reads at step i (1 to kStrokeSteps): far + i * stride,
// then near + i * stride.
inline constexpr int kStrokeSteps = 32;
inline constexpr int32_t kStrokeStride = 32;

}  // namespace vantric
