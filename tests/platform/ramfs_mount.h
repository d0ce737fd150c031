#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <string>

namespace vantric::testing {

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
