#pragma once

#include <cstddef>
#include <functional>
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

// A file that replaces the one at `path` whole, or is made there anew: written under a new name
// beside it, flushed to disk and renamed over it by Commit, so that whatever fails the old file
// stays as it was. Dropped before Commit, the new file is removed. A link at `path` keeps
// naming the file: the file it points to is replaced, and the new one takes its owner (where
// the system lets it) and its permissions.
class ReplacementFile {
 public:
  // Stands in for write(2) or WriteFile on the new file (its descriptor or HANDLE), for tests
  // that make writing fail part way: the bytes written, or -1 with the error in errno.
  using WriteCall = std::function<long long(long long handle, const void* data, size_t bytes)>;

  explicit ReplacementFile(const std::string& path, WriteCall write = nullptr);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Whether all went well so far; error() says what failed and why ("cannot write PATH: No
  // space left on device").
  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  // Appends all of `bytes`; a write that takes nothing counts as a full disk.
  bool Write(std::string_view bytes);
  // Puts the data on the disk, closes the file and renames it over `path`.
  bool Commit();

 private:
  void Fail(const std::string& what, int code);

  std::string target_;     // the file replaced
  std::string temporary_;  // the new file until it is renamed
  long long handle_ = -1;  // a descriptor, or a HANDLE
  WriteCall write_;
  bool created_ = false;
  bool committed_ = false;
  std::string error_;
};

// Replaces the contents of the file at `path` with `bytes`, creating it when it does not exist.
// A regular file is replaced through a ReplacementFile. Anything else (a pipe, a device) is
// opened once and written to.
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
