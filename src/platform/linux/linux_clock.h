#pragma once

#include "platform/clock.h"

namespace vantric {

// The monotonic clock in nanoseconds.
class LinuxClock : public Clock {
 public:
  // Stands in for QueryPerformanceCounter: CLOCK_MONOTONIC in ns.
  int64_t Counter() override;
  // Stands in for QueryPerformanceFrequency: always 1e9.
  int64_t Frequency() override { return 1'000'000'000; }
  // Stands in for Sleep: nanosleep, or sched_yield for 0.
  void Sleep(uint32_t milliseconds) override;
};

}  // namespace vantric
