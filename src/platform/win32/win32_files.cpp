#include "platform/files.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace vantric {
namespace {

HANDLE AsHandle(long long handle) { return reinterpret_cast<HANDLE>(handle); }

long long Opened(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<long long>(handle);
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool WriteAndClose(HANDLE handle, std::string_view bytes, bool flush) {
  const bool written = WriteAll(handle, bytes) && (!flush || FlushFileBuffers(handle));
  return CloseHandle(handle) && written;
}

// Pipes and devices (\\.\pipe\name, \\.\COM1): opening one to look at it would take a
// pipe's only instance.
bool InDeviceNamespace(const std::string& path) { return path.rfind("\\\\.\\", 0) == 0; }

}  // namespace

OutputFile::OutputFile(long long handle) : handle_(handle) {
  if (handle == kNoHandle) open_error_ = static_cast<int>(GetLastError());
}

OutputFile OutputFile::OpenForAppending(const std::string& path) {
  // FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the end, so old bytes stay
  // untouched and reports that other runs append at the same moment stay whole. Another run's
  // name check holds a new file to itself for an instant.
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100; ++attempt) {
    handle = CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) break;
    Sleep(10);
  }
  return OutputFile(Opened(handle));
}

bool OutputFile::Write(std::string_view bytes) {
  return is_open() && WriteAll(AsHandle(handle_), bytes);
}

int OutputFile::Close() {
  if (!is_open()) return 0;
  const bool closed = CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
  return closed ? 0 : static_cast<int>(GetLastError());
}

NewNameProbe ProbeNewName(const std::string& path, int* error) {
  // No sharing: nobody else opens the file while it lives, so it is ours and empty when the
  // disposition deletes it at the close.
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    *error = static_cast<int>(GetLastError());
    return *error == ERROR_FILE_EXISTS || *error == ERROR_ALREADY_EXISTS
               ? NewNameProbe::kExists
               : NewNameProbe::kCannotCreate;
  }
  FILE_DISPOSITION_INFO dispose{TRUE};
  if (!SetFileInformationByHandle(handle, FileDispositionInfo, &dispose, sizeof dispose)) {
    *error = static_cast<int>(GetLastError());
    CloseHandle(handle);
    return NewNameProbe::kDeleteFailed;
  }
  if (!CloseHandle(handle)) {
    *error = static_cast<int>(GetLastError());
    return NewNameProbe::kCloseFailed;
  }
  return NewNameProbe::kCreatedAndRemoved;
}

int AppendAccessError(const std::string& path) {
  if (InDeviceNamespace(path)) return 0;
  const HANDLE handle =
      CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? 0 : static_cast<int>(error);
  }
  CloseHandle(handle);
  return 0;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (InDeviceNamespace(path)) {
    const HANDLE device =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return device != INVALID_HANDLE_VALUE && WriteAndClose(device, bytes, false);
  }
  const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (!WriteAndClose(file, bytes, true) ||
      !MoveFileExA(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
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
