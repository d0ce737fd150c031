#pragma once

#include <string>
#include <string_view>

namespace vantric {

// A file the program writes besides reading the test disc: the log. Bytes go out as given: line
// ends are never translated.
class OutputFile {
 public:
  // Stands in for CreateFileA with OPEN_ALWAYS and FILE_APPEND_DATA: an existing file keeps its
  // bytes, a missing one is created, and every write lands whole at the end, whatever other
  // programs append meanwhile. Runs that check the same new name do not remove the file from
  // under it.
  static OutputFile OpenForAppending(const std::string& path);

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

enum class NewNameProbe {
  kCreatedAndRemoved,
  // The name existed when the probe came to create it, or another program has written to the
  // file since: it is left as it is.
  kExists,
  kCannotCreate,
  kCloseFailed,
  kDeleteFailed,
};

// Stands in for CreateFileA with CREATE_NEW followed by CloseHandle and DeleteFileA: whether a
// file of that name can be created. It deletes only the file it created itself, and only while
// that is still empty. `error` gets the system's code when the outcome is a failure.
NewNameProbe ProbeNewName(const std::string& path, int* error);

// Whether an existing entry may be written to: 0, or the system's error code. Nothing but a
// regular file is opened: a pipe's reader would take the open and close for the end of its
// input, and a later write would wait for a reader for ever. A name that is gone (another
// run's check of it has ended) gives 0: writing creates it.
int AppendAccessError(const std::string& path);

// Replaces the contents of the file at `path` with `bytes`, creating it when it does not exist.
// A regular file is written to a new file beside it, flushed to disk and renamed over it, so the
// old contents stay whole whatever fails. Anything else (a pipe, a device) is opened once and
// written to.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

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
