#include <windows.h>

#include "platform/files.h"
#include "staged_file.h"

namespace vantric {
namespace {

std::string Failure(const std::string& what, DWORD error) {
  return what + ": " + SystemErrorText(static_cast<int>(error));
}

HANDLE AsHandle(long long handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

StagedFile::StagedFile(const std::string& directory, const TestFileOptions& options)
    : options_(options), directory_(directory) {
  // A name no other writer uses: this process's id and a counter reading.
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  path_ = directory + "\\.VANTRIC.DAT." + std::to_string(GetCurrentProcessId()) + "." +
          std::to_string(now.QuadPart);
  const HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error_ = Failure("cannot create a file in " + directory, GetLastError());
    return;
  }
  handle_ = reinterpret_cast<long long>(file);
  created_ = true;
}

StagedFile::~StagedFile() {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
  if (created_ && !committed_) DeleteFileA(path_.c_str());
}

bool StagedFile::Write(const char* data, size_t bytes) {
  while (bytes > 0) {
    const DWORD chunk = bytes > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes);
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), data, chunk, &written, nullptr)) {
      error_ = Failure("cannot write " + path_, GetLastError());
      return false;
    }
    if (written == 0) {
      error_ = Failure("cannot write " + path_, ERROR_DISK_FULL);
      return false;
    }
    data += written;
    bytes -= written;
  }
  return true;
}

bool StagedFile::Commit(const std::string& final_path) {
  const HANDLE file = AsHandle(handle_);
  handle_ = -1;
  const bool flushed = FlushFileBuffers(file);
  const DWORD flush_error = GetLastError();
  if (!CloseHandle(file) || !flushed) {
    error_ = Failure("cannot write " + path_, flushed ? GetLastError() : flush_error);
    return false;
  }
  if (!MoveFileExA(path_.c_str(), final_path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error_ = Failure("cannot rename " + path_ + " to " + final_path, GetLastError());
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace vantric
