#pragma once

#include "platform/clock.h"

namespace vantric {

// The performance counter.
class Win32Clock : public Clock {
 public:
  // Stands in for QueryPerformanceCounter: it is that call.
  int64_t Counter() override;
  // Stands in for QueryPerformanceFrequency: it is that call; 0 when it fails.
  int64_t Frequency() override;
  // Stands in for Sleep: it is that call.
  void Sleep(uint32_t milliseconds) override;
};

}  // namespace vantric
