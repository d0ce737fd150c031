#include "platform/linux/linux_system.h"

#include <time.h>

#include <cstdio>

namespace vantric {

LinuxSystem::LinuxSystem(std::vector<std::string> arguments, std::string time_locale)
    : arguments_(std::move(arguments)), time_locale_name_(std::move(time_locale)) {}

LinuxSystem::~LinuxSystem() {
  if (time_locale_ != nullptr) freelocale(time_locale_);
}

LocalTime LinuxSystem::GetLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm parts{};
  localtime_r(&now.tv_sec, &parts);
  LocalTime time;
  time.year = static_cast<uint16_t>(parts.tm_year + 1900);
  time.month = static_cast<uint16_t>(parts.tm_mon + 1);
  time.day_of_week = static_cast<uint16_t>(parts.tm_wday);
  time.day = static_cast<uint16_t>(parts.tm_mday);
  time.hour = static_cast<uint16_t>(parts.tm_hour);
  time.minute = static_cast<uint16_t>(parts.tm_min);
  time.second = static_cast<uint16_t>(parts.tm_sec);
  time.millisecond = static_cast<uint16_t>(now.tv_nsec / 1'000'000);
  return time;
}

std::string LinuxSystem::FormatTime(const LocalTime& time) {
  // A locale object of our own, rather than setlocale, leaves the process-wide locale (and the
  // number formats of the log file) alone.
  if (time_locale_ == nullptr) {
    time_locale_ = newlocale(LC_TIME_MASK, time_locale_name_.c_str(), nullptr);
    if (time_locale_ == nullptr) time_locale_ = newlocale(LC_TIME_MASK, "C", nullptr);
  }
  tm parts{};
  parts.tm_year = time.year - 1900;
  parts.tm_mon = time.month - 1;
  parts.tm_mday = time.day;
  parts.tm_wday = time.day_of_week;
  parts.tm_hour = time.hour;
  parts.tm_min = time.minute;
  parts.tm_sec = time.second;
  parts.tm_isdst = -1;
  char text[100];
  if (time_locale_ != nullptr && strftime_l(text, sizeof text, "%X", &parts, time_locale_) > 0) {
    return text;
  }
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", time.hour, time.minute, time.second);
  return text;
}

}  // namespace vantric
