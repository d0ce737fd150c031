#pragma once

#include <locale.h>

#include <string>
#include <vector>

#include "platform/system.h"

namespace vantric {

class LinuxSystem : public System {
 public:
  // `arguments` are those after the program name. `time_locale` names the locale whose time
  // format FormatTime uses; empty means the user's own (LC_ALL, LC_TIME, LANG).
  explicit LinuxSystem(std::vector<std::string> arguments, std::string time_locale = "");
  ~LinuxSystem() override;
  LinuxSystem(const LinuxSystem&) = delete;
  LinuxSystem& operator=(const LinuxSystem&) = delete;

  // Stands in for GetVersion: answers as Windows NT 4.0 does, bit 31 clear.
  uint32_t GetVersion() override { return kNtVersionWord; }
  const std::vector<std::string>& Arguments() override { return arguments_; }
  // Stands in for GetLocalTime: localtime_r of the real-time clock, with milliseconds.
  LocalTime GetLocalTime() override;
  // Stands in for GetTimeFormatA: strftime("%X") in the time locale.
  std::string FormatTime(const LocalTime& time) override;

  static constexpr uint32_t kNtVersionWord = 0x05650004;  // build 1381, version 4.0

 private:
  std::vector<std::string> arguments_;
  std::string time_locale_name_;
  locale_t time_locale_ = nullptr;  // made on first use
};

}  // namespace vantric
