#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vantric::testing {

// A fresh folder in the system's temporary folder ($TMPDIR or /tmp; %TEMP%), removed with
// everything in it. Its name begins with `name`.
class TempDir {
 public:
  explicit TempDir(const std::string& name = "vantric-test") {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const std::filesystem::path folder = base / (name + "-" + std::to_string(random()));
      if (std::filesystem::create_directory(folder, error)) path_ = folder.string();
    }
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

// The bytes of a file; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

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

}  // namespace vantric::testing
