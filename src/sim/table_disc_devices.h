#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/disc_devices.h"

namespace vantric {

// Optical drives held in memory, each with the disc it holds: the simulated drive's, and the
// tests' drive layouts.
class TableDiscDevices : public DiscDevices {
 public:
  using Opener = std::function<std::unique_ptr<DiscFile>()>;
  using CommandsOpener = std::function<std::unique_ptr<DriveCommands>()>;

  struct Drive {
    std::string device;
    Opener open;  // null: no disc in the drive
    std::optional<uint16_t> profile;
    std::optional<DriveIdentity> identity;
  };

  // Adds the drive, or replaces the one of that name.
  void SetDrive(Drive drive);
  // Lets the drive of that name take drive commands, each opening served by `open`; without
  // it a drive takes none.
  void SetCommands(const std::string& device, CommandsOpener open);

  std::vector<std::string> List() override;
  std::string DiscProblem(const std::string& device) override;
  std::unique_ptr<DiscFile> Open(const std::string& device, std::string* why_not) override;
  std::optional<uint16_t> CurrentProfile(const std::string& device) override;
  std::optional<DriveIdentity> Identify(const std::string& device) override;
  std::unique_ptr<DriveCommands> OpenCommands(const std::string& device,
                                              std::string* why_not) override;

 private:
  const Drive* Find(const std::string& device) const;

  std::vector<Drive> drives_;
  std::vector<std::pair<std::string, CommandsOpener>> commands_;
};

}  // namespace vantric
