#include "sim/machine.h"

#include "platform/native.h"

namespace vantric {

Machine::Machine(std::vector<std::string> drive_directories)
    : own_clock_(std::make_unique<NativeClock>()),
      own_drives_(std::make_unique<NativeDrives>(std::move(drive_directories))),
      clock_(*own_clock_),
      drives_(*own_drives_) {}

Machine::Machine(std::unique_ptr<Simulation> simulation)
    : simulation_(std::move(simulation)),
      clock_(simulation_->clock()),
      drives_(simulation_->drives()) {}

std::optional<std::string> Machine::SimulatedProfile() const {
  if (!simulation_) return std::nullopt;
  return std::string(simulation_->profile().name);
}

std::unique_ptr<Machine> MakeMachine(const std::string& simulate_profile,
                                     std::vector<std::string> drive_directories,
                                     std::string* error) {
  if (simulate_profile.empty()) return std::make_unique<Machine>(std::move(drive_directories));
  std::unique_ptr<Simulation> simulation = MakeSimulation(simulate_profile, error);
  if (!simulation) return nullptr;
  return std::make_unique<Machine>(std::move(simulation));
}

}  // namespace vantric
