#include "engine/disc_places.h"
#include "engine/engine.h"
#include "engine/test_positions.h"

namespace vantric {

DiscPlaces PlacesOnDisc(int64_t disc_sectors) {
  constexpr int64_t kTestDiscSectors = kFullTestFileBytes / SECTOR_SIZE;
  const auto scaled = [disc_sectors](int64_t sector) {
    return static_cast<int32_t>(sector * disc_sectors / kTestDiscSectors);
  };
  const int32_t last = static_cast<int32_t>(disc_sectors - 1);
  return {.overhead_away = scaled(kOverheadAwaySector),
          .overhead_back = scaled(kOverheadBackSector),
          .overhead_stride = scaled(kOverheadStride),
          .full_near = 0,
          .full_far = last - kStrokeStride * kStrokeSteps,
          .third_near = static_cast<int32_t>(disc_sectors / 3),
          .third_far = static_cast<int32_t>(disc_sectors * 2 / 3),
          .random_span = disc_sectors,
          .burst_first = scaled(kBurstFirstSector),
          .burst_stride = scaled(kBurstStride)};
}

double Engine::RunDiscTest(const DiscTestCall& call, int64_t disc_sectors) {
  const DiscPlaces places = PlacesOnDisc(disc_sectors);
  switch (call.test) {
    case DiscTest::kSeekOverhead:
      return TimeSeekOverhead(places.overhead_away, places.overhead_back, places.overhead_stride);
    case DiscTest::kFullStroke:
      return TimeStroke("Current Test: Full Stroke Seek", places.full_near, places.full_far);
    case DiscTest::kThirdStroke:
      return TimeStroke("Current Test: Third Stroke Seek", places.third_near, places.third_far);
    case DiscTest::kRandomAccess:
      return TimeRandomAccess(places.random_span);
    case DiscTest::kBurst:
      return TimeBurst(call.argument, places.burst_first, places.burst_stride);
  }
  return 0;
}

}  // namespace vantric
