#pragma once

#include "platform/registry.h"

namespace vantric {

// Keys of HKEY_LOCAL_MACHINE, one open at a time.
class Win32Registry : public Registry {
 public:
  Win32Registry() = default;
  ~Win32Registry() override { CloseKey(); }
  Win32Registry(const Win32Registry&) = delete;
  Win32Registry& operator=(const Win32Registry&) = delete;

  // Stands in for RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ): it is that call.
  bool OpenKey(const std::string& key) override;
  // Stands in for RegQueryValueExA into a 4-byte variable: the value's bytes, whatever its
  // type; a longer value is not read and leaves *value alone.
  bool QueryValue(const std::string& name, int32_t* value) override;
  // Stands in for RegCloseKey: it is that call.
  void CloseKey() override;

 private:
  void* key_ = nullptr;  // an HKEY
};

}  // namespace vantric
