#include "platform/win32/win32_system.h"

#include <cstdio>

#include "platform/win32/windows_api.h"

namespace vantric {

uint32_t Win32System::GetVersion() { return ::GetVersion(); }

LocalTime Win32System::GetLocalTime() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
                   now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

std::string Win32System::FormatTime(const LocalTime& time) {
  const SYSTEMTIME parts{time.year, time.month,  time.day_of_week, time.day,
                         time.hour, time.minute, time.second,      time.millisecond};
  char text[100];
  if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &parts, nullptr, text, sizeof text) > 0) return text;
  // Only an invalid time gets here; the log still gets a time of day.
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", time.hour, time.minute, time.second);
  return text;
}

}  // namespace vantric
