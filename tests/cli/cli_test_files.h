#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "temp_dir.h"

namespace vantric::testing {

namespace fs = std::filesystem;

// A fresh directory for one test, removed afterwards.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name) : folder_(name), path_(folder_.path()) {}
  const fs::path& path() const { return path_; }

  // A directory that looks like the root of a test disc, its test file `bytes` long.
  fs::path MakeDiscRoot(const std::string& name, size_t bytes) const {
    const fs::path root = path_ / name;
    fs::create_directories(root / "DATA");
    std::ofstream file(root / "DATA" / "VANTRIC.DAT", std::ios::binary);
    const std::string block(1 << 16, '\x5a');
    for (size_t done = 0; done < bytes; done += block.size()) {
      file.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), bytes - done)));
    }
    return root;
  }

  // The same with a test file of a full disc's length, left sparse: direct reads of its holes
  // give zeros, and a run needs no more than that here.
  fs::path MakeFullDiscRoot(const std::string& name) const {
    const fs::path root = MakeDiscRoot(name, 0);
    fs::resize_file(root / "DATA" / "VANTRIC.DAT", 613'492'736);
    return root;
  }

 private:
  TempDir folder_;
  fs::path path_;
};

}  // namespace vantric::testing
