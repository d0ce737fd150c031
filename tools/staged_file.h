#pragma once

#include <cstddef>
#include <string>

#include "test_file_writer.h"

namespace vantric {

// The test file while it is written: a temporary file in the folder of its final name, moved
// over that name only once it is complete and on the disk. Dropped unfinished, it is removed.
class StagedFile {
 public:
  // Creates the temporary file in `directory`; ok() says whether that worked, error() why not.
  StagedFile(const std::string& directory, const TestFileOptions& options);
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  // Appends all of `bytes`.
  bool Write(const char* data, size_t bytes);
  // Puts the data on the disk, closes the file and moves it to `final_path`, replacing any
  // file there.
  bool Commit(const std::string& final_path);

 private:
  const TestFileOptions& options_;
  std::string directory_;
  std::string path_;
  long long handle_ = -1;  // a descriptor, or a HANDLE
  bool created_ = false;
  bool committed_ = false;
  std::string error_;
};

}  // namespace vantric
