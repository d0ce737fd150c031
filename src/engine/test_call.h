#pragma once

#include <cstdint>

namespace vantric {

// The engine's tests, as a run calls them.
enum class EngineTest {
  kRead16k,         // argument: start sector
  kRead2k,          // argument: start sector
  kSeekOverhead,    //
  kFullStroke,      //
  kRandomAccess,    //
  kCpuCalibration,  //
  kCpuUsage,        // argument: rate in sectors per second
  kBurst,           // argument: sectors per timed read
};

struct TestCall {
  EngineTest test;
  int32_t argument = 0;
};

// The access and burst tests on a whole disc, read at places scaled to its size.
enum class DiscTest {
  kSeekOverhead,  //
  kFullStroke,    // from the disc's first sector to its last
  kThirdStroke,   // across the middle third of its sectors
  kRandomAccess,  // the 200 random seeks, over the whole disc
  kBurst,         // argument: sectors per timed read
};

struct DiscTestCall {
  DiscTest test;
  int32_t argument = 0;
};

// The highest sector the test reads, for telling whether a test file is long enough for it.
int64_t LastSectorRead(const TestCall& call);

}  // namespace vantric
