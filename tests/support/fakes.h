#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/system.h"
#include "platform/ui_pump.h"

namespace vantric::testing {

// A registry holding one key with the values given.
class FakeRegistry : public Registry {
 public:
  std::string existing_key;  // empty: no key opens
  std::map<std::string, int32_t> values;
  int open_keys = 0;

  bool OpenKey(const std::string& key) override {
    if (existing_key.empty() || key != existing_key) return false;
    ++open_keys;
    return true;
  }
  bool QueryValue(const std::string& name, int32_t* value) override {
    const auto found = values.find(name);
    if (found == values.end()) return false;
    *value = found->second;
    return true;
  }
  void CloseKey() override { --open_keys; }
};

class FakeSystem : public System {
 public:
  uint32_t version = 0x0A280105;  // an NT-family version word
  std::vector<std::string> arguments;
  LocalTime now{1997, 5, 2, 14, 9, 30, 15, 0};

  uint32_t GetVersion() override { return version; }
  const std::vector<std::string>& Arguments() override { return arguments; }
  LocalTime GetLocalTime() override { return now; }
  std::string FormatTime(const LocalTime& time) override {
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", time.hour, time.minute, time.second);
    return text;
  }
};

// Counts the calls and runs a scripted action at each one (for example, pressing Cancel at
// the third call).
class ScriptedPump : public UiPump {
 public:
  int calls = 0;
  std::function<void(int call)> on_call;

  void ProcessMessages() override {
    ++calls;
    if (on_call) on_call(calls);
  }
};

}  // namespace vantric::testing
