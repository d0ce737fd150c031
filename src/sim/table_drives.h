#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/drives.h"

namespace vantric {

// A drive table held in memory: letters with their types, and the files each drive holds,
// each with the means to open it. Serves the simulated drives and the tests' drive layouts.
class TableDrives : public Drives {
 public:
  using Opener = std::function<std::unique_ptr<DiscFile>()>;

  void SetDriveType(char letter, uint32_t type) { types_[letter] = type; }
  // Puts a file at a drive-letter path ("D:\DATA\VANTRIC.DAT"); a null opener makes a file
  // that the probe finds but the unbuffered open refuses.
  void AddFile(const std::string& path, Opener opener) { files_[Key(path)] = std::move(opener); }

  uint32_t GetDriveType(const std::string& root) override;
  bool CanOpenForReading(const std::string& path) override;
  std::unique_ptr<DiscFile> OpenUnbuffered(const std::string& path) override;
  std::string LocalPath(const std::string& path) override { return path; }

  int OpenCount() const { return open_count_; }

 private:
  static std::string Key(const std::string& path);

  std::map<char, uint32_t> types_;
  std::map<std::string, Opener> files_;
  int open_count_ = 0;
};

}  // namespace vantric
