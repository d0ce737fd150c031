#pragma once

#include <sys/mount.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vantric::testing {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it.
class TempDir {
 public:
  TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/vantric-test-XXXXXX";
    path_ = mkdtemp(pattern.data()) != nullptr ? pattern : "";
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

// Bytes whose value tells their offset apart, so a read from the wrong place shows.
inline std::string PatternBytes(size_t size, unsigned salt = 0) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>((i / 2048 * 31 + i * 7 + salt) & 0xff);
  }
  return bytes;
}

// A ramfs mounted on a folder for the test's life: a file system that refuses O_DIRECT. Needs
// the right to mount; `mounted()` says whether it worked.
class RamfsMount {
 public:
  explicit RamfsMount(const std::string& where) : where_(where) {
    std::filesystem::create_directories(where_);
    mounted_ = mount("none", where_.c_str(), "ramfs", 0, nullptr) == 0;
  }
  ~RamfsMount() {
    if (mounted_) umount2(where_.c_str(), MNT_DETACH);
  }
  RamfsMount(const RamfsMount&) = delete;
  RamfsMount& operator=(const RamfsMount&) = delete;

  bool mounted() const { return mounted_; }

 private:
  std::string where_;
  bool mounted_ = false;
};

}  // namespace vantric::testing
