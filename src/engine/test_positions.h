#pragma once

#include <cstdint>

namespace vantric {

// A full test disc's file holds every sector the tests read, 0 to 299,556, and no more.
inline constexpr int64_t kFullTestFileBytes = 613'492'736;

// Where the sequential read tests start at the inside, center and outside of the test file.
inline constexpr int32_t kRead16kInsideSector = 512;
inline constexpr int32_t kRead16kCenterSector = 150000;
inline constexpr int32_t kRead16kOutsideSector = 298500;
inline constexpr int32_t kRead2kInsideSector = 2048;
inline constexpr int32_t kRead2kCenterSector = 152536;
inline constexpr int32_t kRead2kOutsideSector = 296000;

// The access tests' places. Seek overhead step i moves away, comes back, then times the read
// of the very next sector; full stroke step i reads far out, then near the start; the random
// seeks are drawn over the first 270,000 sectors.
inline constexpr int32_t kOverheadAwaySector = 130000;
inline constexpr int32_t kOverheadBackSector = 25000;
inline constexpr int32_t kOverheadStride = 1234;
inline constexpr int32_t kFullStrokeFarSector = 270000;
inline constexpr int64_t kRandomAccessSpan = 270000;
// Burst measurement i starts at kBurstFirstSector + kBurstStride * i.
inline constexpr int32_t kBurstFirstSector = 50000;
inline constexpr int32_t kBurstStride = 1190;

// Before a pass times anything it visits eight positions from the outside in, so that the
// drive is spun up and has travelled the whole disc.
inline constexpr int kWarmUpSteps = 8;
inline constexpr int32_t kWarmUpReads = 4;  // of kWarmUpSectorsPerRead each
inline constexpr int32_t kWarmUpSectorsPerRead = 8;
constexpr int32_t WarmUpSector(int step) { return (kWarmUpSteps - step) * 30000 + 16; }
constexpr int32_t kWarmUpLastSector = WarmUpSector(1) + kWarmUpReads * kWarmUpSectorsPerRead;

// The CPU tests read 8 sectors per tick, the calibration paces itself as the 4X test does.
inline constexpr int32_t kCpuTestSectorsPerRead = 8;
inline constexpr int32_t kCpuCalibrationRate = 300;

}  // namespace vantric
