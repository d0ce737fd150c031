#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

namespace vantric {

int64_t Win32Clock::Counter() {
  LARGE_INTEGER count{};
  QueryPerformanceCounter(&count);
  return count.QuadPart;
}

int64_t Win32Clock::Frequency() {
  LARGE_INTEGER frequency{};
  return QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

void Win32Clock::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace vantric
