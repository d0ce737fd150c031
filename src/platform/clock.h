#pragma once

#include <cstdint>

namespace vantric {

// The high-resolution counter and the sleeps of the benchmark.
class Clock {
 public:
  virtual ~Clock() = default;

  // Stands in for QueryPerformanceCounter.
  virtual int64_t Counter() = 0;
  // Stands in for QueryPerformanceFrequency; 0 means the machine has no counter.
  virtual int64_t Frequency() = 0;
  // Stands in for Sleep; 0 gives up the rest of the time slice.
  virtual void Sleep(uint32_t milliseconds) = 0;
};

}  // namespace vantric
