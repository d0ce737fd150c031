#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantric {

// The platform's local-time record.
struct LocalTime {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t day_of_week = 0;
  uint16_t day = 0;
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t millisecond = 0;
};

class System {
 public:
  virtual ~System() = default;

  // Stands in for GetVersion; bit 31 clear on the NT family.
  virtual uint32_t GetVersion() = 0;
  // The command-line arguments after the program name.
  virtual const std::vector<std::string>& Arguments() = 0;
  // Stands in for GetLocalTime.
  virtual LocalTime GetLocalTime() = 0;
  // Stands in for GetTimeFormatA with LOCALE_USER_DEFAULT and the locale's own format.
  virtual std::string FormatTime(const LocalTime& time) = 0;
};

}  // namespace vantric
