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

// The highest sector the test reads, for telling whether a test file is long enough for it.
int64_t LastSectorRead(const TestCall& call);

}  // namespace vantric
