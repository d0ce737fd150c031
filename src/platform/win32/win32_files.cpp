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

bool WriteAndClose(HANDLE handle, std::string_view bytes) {
  const bool written = WriteAll(handle, bytes);
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

ReplacementFile::ReplacementFile(const std::string& path, WriteCall write)
    : target_(path), write_(std::move(write)) {
  // A name no other writer uses: this process's id and a counter reading.
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  const size_t slash = path.find_last_of("\\/");
  const size_t name_at = slash == std::string::npos ? 0 : slash + 1;
  temporary_ = path.substr(0, name_at) + "." + path.substr(name_at) + "." +
               std::to_string(GetCurrentProcessId()) + "." + std::to_string(now.QuadPart);
  const HANDLE file = CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const std::string folder = name_at == 0 ? "." : path.substr(0, name_at - 1);
    Fail("cannot create a file in " + folder, static_cast<int>(GetLastError()));
    return;
  }
  handle_ = reinterpret_cast<long long>(file);
  created_ = true;
}

ReplacementFile::~ReplacementFile() {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
  if (created_ && !committed_) DeleteFileA(temporary_.c_str());
}

void ReplacementFile::Fail(const std::string& what, int code) {
  if (error_.empty()) error_ = what + ": " + SystemErrorText(code);
}

bool ReplacementFile::Write(std::string_view bytes) {
  if (!ok()) return false;
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (write_) {
      const long long taken = write_(handle_, bytes.data(), chunk);
      if (taken < 0) {
        Fail("cannot write " + temporary_, static_cast<int>(GetLastError()));
        return false;
      }
      written = static_cast<DWORD>(taken);
    } else if (!WriteFile(AsHandle(handle_), bytes.data(), chunk, &written, nullptr)) {
      Fail("cannot write " + temporary_, static_cast<int>(GetLastError()));
      return false;
    }
    if (written == 0) {
      Fail("cannot write " + temporary_, ERROR_DISK_FULL);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool ReplacementFile::Commit() {
  if (!ok()) return false;
  const HANDLE file = AsHandle(handle_);
  handle_ = -1;
  const bool flushed = FlushFileBuffers(file);
  const DWORD flush_error = GetLastError();
  if (!CloseHandle(file) || !flushed) {
    Fail("cannot write " + temporary_, static_cast<int>(flushed ? GetLastError() : flush_error));
    return false;
  }
  if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail("cannot rename " + temporary_ + " to " + target_, static_cast<int>(GetLastError()));
    return false;
  }
  committed_ = true;
  return true;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (InDeviceNamespace(path)) {
    const HANDLE device =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return device != INVALID_HANDLE_VALUE && WriteAndClose(device, bytes);
  }
  ReplacementFile file(path);
  return file.Write(bytes) && file.Commit();
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
