#include "sim/machine.h"

#include "platform/native.h"

namespace vantric {

Machine::Machine(std::vector<std::string> drive_directories, std::vector<std::string> arguments)
    : own_clock_(std::make_unique<NativeClock>()),
      own_drives_(std::make_unique<NativeDrives>(std::move(drive_directories))),
      own_disc_devices_(std::make_unique<NativeDiscDevices>()),
      clock_(*own_clock_),
      drives_(*own_drives_),
      disc_devices_(*own_disc_devices_),
      registry_(std::make_unique<NativeRegistry>()),
      system_(std::make_unique<NativeSystem>(std::move(arguments))) {}

Machine::Machine(std::unique_ptr<Simulation> simulation, std::vector<std::string> arguments)
    : simulation_(std::move(simulation)),
      clock_(simulation_->clock()),
      drives_(simulation_->drives()),
      disc_devices_(simulation_->disc_devices()),
      registry_(std::make_unique<NativeRegistry>()),
      system_(std::make_unique<NativeSystem>(std::move(arguments))) {}

Machine::Machine(Clock& clock, Drives& drives, DiscDevices* disc_devices,
                 std::vector<std::string> arguments)
    : own_disc_devices_(disc_devices ? nullptr : std::make_unique<TableDiscDevices>()),
      clock_(clock),
      drives_(drives),
      disc_devices_(disc_devices ? *disc_devices : *own_disc_devices_),
      registry_(std::make_unique<NativeRegistry>()),
      system_(std::make_unique<NativeSystem>(std::move(arguments))) {}

Machine::~Machine() = default;

std::optional<std::string> Machine::SimulatedProfile() const {
  if (!simulation_) return std::nullopt;
  return std::string(simulation_->profile().name);
}

std::unique_ptr<Machine> MakeMachine(const std::string& simulate_profile,
                                     std::vector<std::string> drive_directories,
                                     std::vector<std::string> arguments, std::string* error) {
  if (simulate_profile.empty()) {
    return std::make_unique<Machine>(std::move(drive_directories), std::move(arguments));
  }
  std::unique_ptr<Simulation> simulation = MakeSimulation(simulate_profile, error);
  if (!simulation) return nullptr;
  return std::make_unique<Machine>(std::move(simulation), std::move(arguments));
}

}  // namespace vantric
