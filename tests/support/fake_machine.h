#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/linux/system_paths.h"
#include "temp_dir.h"

namespace vantric::testing {

inline bool HaveXorriso() { return std::system("command -v xorriso >/dev/null 2>&1") == 0; }

// An ISO 9660 image of the folder `tree`; `options` are mkisofs options ("-R", "-J" or none).
inline bool MakeIsoImage(const std::string& tree, const std::string& image,
                         const std::string& options) {
  const std::string command = "xorriso -as mkisofs -quiet " + options + " -o '" + image + "' '" +
                              tree + "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// A machine's optical drives, device nodes and mount table under one folder. A drive's device
// node is an ordinary file: empty while the drive holds no disc, a copy of an ISO image while
// it does. With no drive added it is a machine without optical drives or mounts.
class FakeMachine {
 public:
  explicit FakeMachine(std::string root) : root_(std::move(root)) {
    std::filesystem::create_directories(root_ + "/sys/block");
    std::filesystem::create_directories(root_ + "/dev");
    SetMounts("");
  }

  SystemPaths paths() const { return {root_ + "/sys", root_ + "/mounts", root_ + "/dev"}; }
  std::string Node(const std::string& drive) const { return root_ + "/dev/" + drive; }

  // Values padded as the kernel pads a drive's INQUIRY answers.
  void AddDrive(const std::string& drive, const std::string& vendor = "QEMU    ",
                const std::string& model = "QEMU DVD-ROM    ", const std::string& rev = "2.5+") {
    const std::string device = root_ + "/sys/block/" + drive + "/device/";
    WriteFile(device + "vendor", vendor + "\n");
    WriteFile(device + "model", model + "\n");
    WriteFile(device + "rev", rev + "\n");
    Eject(drive);
  }
  void Insert(const std::string& drive, const std::string& image) {
    std::filesystem::copy_file(image, Node(drive),
                               std::filesystem::copy_options::overwrite_existing);
  }
  void Eject(const std::string& drive) { WriteFile(Node(drive), ""); }
  // Lines of /proc/self/mounts.
  void SetMounts(const std::string& text) { WriteFile(root_ + "/mounts", text); }

 private:
  std::string root_;
};

}  // namespace vantric::testing
