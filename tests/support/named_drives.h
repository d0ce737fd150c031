#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/drives.h"

namespace vantric::testing {

// A simulated drive D: that the system names as it names an optical drive: `identity` for its
// files, and `problem` as what keeps it from being looked into.
class NamedDrives : public Drives {
 public:
  NamedDrives(Drives& drives, DriveIdentity identity, std::string problem = "")
      : drives_(drives), identity_(std::move(identity)), problem_(std::move(problem)) {}
  uint32_t GetDriveType(const std::string& root) override { return drives_.GetDriveType(root); }
  bool CanOpenForReading(const std::string& path) override {
    return drives_.CanOpenForReading(path);
  }
  std::unique_ptr<DiscFile> OpenUnbuffered(const std::string& path) override {
    return drives_.OpenUnbuffered(path);
  }
  std::string LocalPath(const std::string& path) override { return drives_.LocalPath(path); }
  std::optional<DriveIdentity> IdentifyDrive(const std::string& path) override {
    if (!path.starts_with("D:\\")) return std::nullopt;
    return identity_;
  }
  std::string DriveProblem(const std::string& root) override {
    return root == "D:\\" ? problem_ : "";
  }

 private:
  Drives& drives_;
  DriveIdentity identity_;
  std::string problem_;
};

}  // namespace vantric::testing
