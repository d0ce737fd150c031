#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/linux_clock.h"
#include "platform/linux_drives.h"
#include "sim/simulation.h"

namespace vantric {

// The clock and drives a run works on: the machine's own, or a simulated drive's.
class CliMachine {
 public:
  virtual ~CliMachine() = default;

  virtual Clock& clock() = 0;
  virtual Drives& drives() = 0;
  // Why the test file just opened is read less exactly than direct; empty when it is not.
  virtual std::string OpenNote() { return ""; }
  // The profile name of a simulated drive; nothing for real drives.
  virtual std::optional<std::string> SimulatedProfile() { return std::nullopt; }
};

class RealMachine : public CliMachine {
 public:
  explicit RealMachine(std::vector<std::string> drive_directories)
      : drives_(std::move(drive_directories)) {}

  Clock& clock() override { return clock_; }
  Drives& drives() override { return drives_; }
  std::string OpenNote() override { return drives_.LastOpenNote(); }

 private:
  LinuxClock clock_;
  LinuxDrives drives_;
};

class SimulatedMachine : public CliMachine {
 public:
  SimulatedMachine(std::unique_ptr<Simulation> simulation, std::string profile)
      : simulation_(std::move(simulation)), profile_(std::move(profile)) {}

  Clock& clock() override { return simulation_->clock(); }
  Drives& drives() override { return simulation_->drives(); }
  std::optional<std::string> SimulatedProfile() override { return profile_; }
  Simulation& simulation() { return *simulation_; }

 private:
  std::unique_ptr<Simulation> simulation_;
  std::string profile_;
};

}  // namespace vantric
