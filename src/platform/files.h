#pragma once

#include <string>
#include <string_view>

namespace vantric {

// A file the program writes besides reading the test disc: the log, and the probe of a log
// name. Bytes go out as given: line ends are never translated.
class OutputFile {
 public:
  // Stands in for CreateFileA with OPEN_ALWAYS and writes at the end: an existing file keeps
  // its bytes, a missing one is created.
  static OutputFile OpenForAppending(const std::string& path);
  // Stands in for CreateFileA with CREATE_NEW: fails when anything of that name exists.
  static OutputFile CreateNew(const std::string& path);
  // Stands in for CreateFileA with OPEN_EXISTING, for appending: creates nothing, and does not
  // wait for a reader at the other end of a pipe.
  static OutputFile OpenExistingForAppending(const std::string& path);

  OutputFile(OutputFile&& other) noexcept : handle_(other.handle_), open_error_(other.open_error_) {
    other.handle_ = kNoHandle;
  }
  OutputFile& operator=(OutputFile&&) = delete;
  OutputFile(const OutputFile&) = delete;
  ~OutputFile() { Close(); }

  bool is_open() const { return handle_ != kNoHandle; }
  // Why the open failed: the system's error code (0 when it succeeded).
  int open_error() const { return open_error_; }
  // Stands in for WriteFile of all of `bytes`.
  bool Write(std::string_view bytes);
  // Stands in for CloseHandle: 0, or the system's error code.
  int Close();

 private:
  static constexpr long long kNoHandle = -1;
  // `handle` as the open call gave it; its failure's error code is taken at once.
  explicit OutputFile(long long handle);

  long long handle_;  // a descriptor, or a HANDLE
  int open_error_ = 0;
};

// Stands in for DeleteFileA: 0, or the system's error code.
int DeleteNamedFile(const std::string& path);

// What separates the parts of a path as the system writes it: '/' or '\\'.
char NativePathSeparator();

// The system's wording of one of its error codes.
std::string SystemErrorText(int code);

// Stands in for FindFirstFileA: whether any directory entry answers to `name`, whose last part
// may hold wildcards.
bool DirectoryEntryExists(const std::string& name);

// Whether the entries of a folder can be listed and opened: 0, or the system's error code.
int FolderAccessError(const std::string& folder);

}  // namespace vantric
