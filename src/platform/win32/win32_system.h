#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace vantric {

class Win32System : public System {
 public:
  // `arguments` are those after the program name, as the process was given them.
  explicit Win32System(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

  // Stands in for GetVersion: it is that call (bit 31 set on Windows 95).
  uint32_t GetVersion() override;
  const std::vector<std::string>& Arguments() override { return arguments_; }
  // Stands in for GetLocalTime: it is that call.
  LocalTime GetLocalTime() override;
  // Stands in for GetTimeFormatA(LOCALE_USER_DEFAULT, 0, time, nullptr, buffer, 100).
  std::string FormatTime(const LocalTime& time) override;

 private:
  std::vector<std::string> arguments_;
};

}  // namespace vantric
