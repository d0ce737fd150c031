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
