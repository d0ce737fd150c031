#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/disc_devices.h"
#include "platform/drives.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "sim/simulation.h"

namespace vantric {

// The clock and drives a run works on: the machine's own, or a simulated drive's on a virtual
// clock; with the system's registry and the command line the engine reads (`arguments`: NET,
// when given). Every front end and every reference run makes its one machine here, and its
// engine from PlatformWith.
class Machine {
 public:
  // The machine's own clock and drives; `drive_directories` count as CD-ROM drives.
  Machine(std::vector<std::string> drive_directories, std::vector<std::string> arguments);
  // The simulation's drive on its virtual clock.
  explicit Machine(std::unique_ptr<Simulation> simulation, std::vector<std::string> arguments = {});
  // A clock and drives that live elsewhere, for drives that tests make themselves; without
  // `disc_devices`, a machine without optical drives.
  Machine(Clock& clock, Drives& drives, DiscDevices* disc_devices = nullptr,
          std::vector<std::string> arguments = {});
  ~Machine();
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  Clock& clock() { return clock_; }
  Drives& drives() { return drives_; }
  DiscDevices& disc_devices() { return disc_devices_; }
  System& system() { return *system_; }
  // The services an engine on this machine is made with; `pump` is the front end's.
  Platform PlatformWith(UiPump& pump) { return {clock_, drives_, *registry_, *system_, pump}; }
  // The profile name of a simulated drive; nothing for the machine's own drives.
  std::optional<std::string> SimulatedProfile() const;
  // The simulation behind a simulated drive; nullptr for the machine's own drives.
  Simulation* simulation() { return simulation_.get(); }

 private:
  std::unique_ptr<Simulation> simulation_;
  std::unique_ptr<Clock> own_clock_;
  std::unique_ptr<Drives> own_drives_;
  std::unique_ptr<DiscDevices> own_disc_devices_;
  Clock& clock_;
  Drives& drives_;
  DiscDevices& disc_devices_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<System> system_;
};

// A simulated drive of the profile `simulate_profile` names or, when it is empty, the machine's
// own drives with `drive_directories`. nullptr, with the reason in *error, for an unknown
// profile.
std::unique_ptr<Machine> MakeMachine(const std::string& simulate_profile,
                                     std::vector<std::string> drive_directories,
                                     std::vector<std::string> arguments, std::string* error);

}  // namespace vantric
