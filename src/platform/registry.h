#pragma once

#include <cstdint>
#include <string>

namespace vantric {

// One key of HKEY_LOCAL_MACHINE at a time.
class Registry {
 public:
  virtual ~Registry() = default;

  // Stands in for RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, KEY_READ).
  virtual bool OpenKey(const std::string& key) = 0;
  // Stands in for RegQueryValueExA into a 4-byte variable; leaves *value alone when missing.
  virtual bool QueryValue(const std::string& name, int32_t* value) = 0;
  // Stands in for RegCloseKey.
  virtual void CloseKey() = 0;
};

}  // namespace vantric
