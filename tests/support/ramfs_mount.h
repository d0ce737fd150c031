#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <string>

namespace vantric::testing {

// A file system of `type` mounted on a folder for the test's life. Needs the right to mount;
// `mounted()` says whether it worked.
class ScratchMount {
 public:
  ScratchMount(const std::string& where, const char* type, const char* options = nullptr)
      : where_(where) {
    std::filesystem::create_directories(where_);
    mounted_ = mount("none", where_.c_str(), type, 0, options) == 0;
  }
  ~ScratchMount() {
    if (mounted_) umount2(where_.c_str(), MNT_DETACH);
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }

 private:
  std::string where_;
  bool mounted_ = false;
};

// A ramfs: a file system that refuses O_DIRECT.
class RamfsMount : public ScratchMount {
 public:
  explicit RamfsMount(const std::string& where) : ScratchMount(where, "ramfs") {}
};

}  // namespace vantric::testing
