#include "platform/linux/linux_clock.h"

#include <sched.h>
#include <time.h>

#include <cerrno>

namespace vantric {

int64_t LinuxClock::Counter() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void LinuxClock::Sleep(uint32_t milliseconds) {
  if (milliseconds == 0) {
    sched_yield();
    return;
  }
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1'000'000};
  // A signal (the CLI's Ctrl-C) must not cut the sleep short.
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

}  // namespace vantric
