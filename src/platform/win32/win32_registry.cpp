#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

namespace vantric {

bool Win32Registry::OpenKey(const std::string& key) {
  CloseKey();
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return false;
  }
  key_ = opened;
  return true;
}

bool Win32Registry::QueryValue(const std::string& name, int32_t* value) {
  if (key_ == nullptr) return false;
  DWORD size = sizeof *value;
  return RegQueryValueExA(static_cast<HKEY>(key_), name.c_str(), nullptr, nullptr,
                          reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
}

void Win32Registry::CloseKey() {
  if (key_ == nullptr) return;
  RegCloseKey(static_cast<HKEY>(key_));
  key_ = nullptr;
}

}  // namespace vantric
