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
  // Read beside the variable: a value too long for it leaves the buffer undefined, and a
  // shorter one fills only its own bytes, as it would in place.
  int32_t read = *value;
  DWORD size = sizeof read;
  if (RegQueryValueExA(static_cast<HKEY>(key_), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(&read), &size) != ERROR_SUCCESS) {
    return false;
  }
  *value = read;
  return true;
}

void Win32Registry::CloseKey() {
  if (key_ == nullptr) return;
  RegCloseKey(static_cast<HKEY>(key_));
  key_ = nullptr;
}

}  // namespace vantric
