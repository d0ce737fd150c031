#pragma once

#include "platform/registry.h"

namespace vantric {

// Linux keeps no registry: every key is absent, so the CD file system values stay unknown.
class LinuxRegistry : public Registry {
 public:
  // Stands in for RegOpenKeyExA; never opens.
  bool OpenKey(const std::string&) override { return false; }
  // Stands in for RegQueryValueExA; nothing to read.
  bool QueryValue(const std::string&, int32_t*) override { return false; }
  // Stands in for RegCloseKey.
  void CloseKey() override {}
};

}  // namespace vantric
