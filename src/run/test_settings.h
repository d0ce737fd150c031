#pragma once

#include <string>

namespace vantric {

// What the configuration dialog holds; each field is named after the control it comes from.
struct TestSettings {
  bool read16 = true;
  bool read2 = true;
  bool seekfull = true;
  bool seekrand = true;
  bool cpu2x = true;
  bool cpu4x = true;
  bool cpu6x = true;
  bool cpu8x = true;
  bool cpu12x = true;
  bool cpuuser = false;
  std::string userval;  // user CPU rate in KB/s, as typed
  bool burst2k = true;
  bool burst8k = true;
  bool burst16k = true;
  std::string LogEdit;  // empty: no log file
  std::string PassEdit = "1";
};

}  // namespace vantric
