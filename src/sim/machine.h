#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/drives.h"
#include "sim/simulation.h"

namespace vantric {

// The clock and drives a run works on: the machine's own, or a simulated drive's on a virtual
// clock. Every front end makes its one machine from its options.
class Machine {
 public:
  // The machine's own clock and drives; `drive_directories` count as CD-ROM drives.
  explicit Machine(std::vector<std::string> drive_directories);
  // The simulation's drive on its virtual clock.
  explicit Machine(std::unique_ptr<Simulation> simulation);
  // A clock and drives that live elsewhere, for drives that tests make themselves.
  Machine(Clock& clock, Drives& drives) : clock_(clock), drives_(drives) {}
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  Clock& clock() { return clock_; }
  Drives& drives() { return drives_; }
  // The profile name of a simulated drive; nothing for the machine's own drives.
  std::optional<std::string> SimulatedProfile() const;
  // The simulation behind a simulated drive; nullptr for the machine's own drives.
  Simulation* simulation() { return simulation_.get(); }

 private:
  std::unique_ptr<Simulation> simulation_;
  std::unique_ptr<Clock> own_clock_;
  std::unique_ptr<Drives> own_drives_;
  Clock& clock_;
  Drives& drives_;
};

// A simulated drive of the profile `simulate_profile` names or, when it is empty, the machine's
// own drives with `drive_directories`. nullptr, with the reason in *error, for an unknown
// profile.
std::unique_ptr<Machine> MakeMachine(const std::string& simulate_profile,
                                     std::vector<std::string> drive_directories,
                                     std::string* error);

}  // namespace vantric
