#include "platform/win32/win32_disc_file.h"

#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace vantric {

Win32DiscFile::~Win32DiscFile() { CloseHandle(handle_); }

bool Win32DiscFile::Seek(int64_t byte_offset) {
  LARGE_INTEGER offset{};
  offset.QuadPart = byte_offset;
  if (SetFilePointerEx(handle_, offset, nullptr, FILE_BEGIN)) {
    seek_error_ = 0;
    return true;
  }
  seek_error_ = static_cast<int>(GetLastError());
  return false;
}

bool Win32DiscFile::Read(void* buffer, uint32_t byte_count) {
  if (seek_error_ != 0) {
    last_error_ = seek_error_;
    return false;
  }
  DWORD got = 0;
  if (!ReadFile(handle_, buffer, byte_count, &got, nullptr)) {
    last_error_ = static_cast<int>(GetLastError());
    return false;
  }
  if (got < byte_count) {
    last_error_ = kShortRead;
    return false;
  }
  return true;
}

std::string Win32DiscFile::ErrorText(int code) const {
  if (code == kShortRead) return DiscFile::ErrorText(code);
  return Win32ErrorText(static_cast<uint32_t>(code));
}

}  // namespace vantric
