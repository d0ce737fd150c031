#include "platform/files.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace vantric {
namespace {

HANDLE AsHandle(long long handle) { return reinterpret_cast<HANDLE>(handle); }

long long Opened(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<long long>(handle);
}

}  // namespace

OutputFile::OutputFile(long long handle) : handle_(handle) {
  if (handle == kNoHandle) open_error_ = static_cast<int>(GetLastError());
}

OutputFile OutputFile::OpenForAppending(const std::string& path) {
  // FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the end, so old bytes stay
  // untouched.
  return OutputFile(
      Opened(CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

OutputFile OutputFile::CreateNew(const std::string& path) {
  return OutputFile(Opened(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)));
}

OutputFile OutputFile::OpenExistingForAppending(const std::string& path) {
  return OutputFile(Opened(CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)));
}

bool OutputFile::Write(std::string_view bytes) {
  if (!is_open()) return false;
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

int OutputFile::Close() {
  if (!is_open()) return 0;
  const bool closed = CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
  return closed ? 0 : static_cast<int>(GetLastError());
}

int DeleteNamedFile(const std::string& path) {
  return DeleteFileA(path.c_str()) ? 0 : static_cast<int>(GetLastError());
}

char NativePathSeparator() { return '\\'; }

std::string SystemErrorText(int code) { return Win32ErrorText(static_cast<uint32_t>(code)); }

bool DirectoryEntryExists(const std::string& name) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(name.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

int FolderAccessError(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  FindClose(search);
  return 0;
}

}  // namespace vantric
