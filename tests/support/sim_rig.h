#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fakes.h"
#include "sim/simulation.h"

namespace vantric::testing {

// The simulation of a named profile; a test that names an unknown one fails at once.
inline std::unique_ptr<Simulation> SimulationOf(std::string_view profile_name) {
  std::string error;
  auto made = MakeSimulation(profile_name, &error);
  if (!made) throw std::invalid_argument(error);
  return made;
}

// An engine on a simulated drive, set up as a front end does for --simulate PROFILE.
struct SimRig {
  explicit SimRig(std::string_view profile_name) : simulation(SimulationOf(profile_name)) {
    engine.StartCounter();
    engine.ScanDrives();
    opened = engine.FindTestDisc();
    engine.UseBaselines(baselines);
  }

  // What a run does before its first test: a read at the start, then eight positions from
  // the outside in, each followed by a second of rest.
  void WarmUp() {
    engine.SeekToStart();
    for (int k = 1; k <= 8; ++k) {
      engine.ReadSectorAt((8 - k) * 30000 + 16);
      for (int i = 0; i < 4; ++i) engine.ReadSequential(8);
      simulation->clock().Sleep(1000);
    }
  }

  const DriveParameters& parameters() const { return simulation->profile().parameters; }

  std::unique_ptr<Simulation> simulation;
  FakeRegistry registry;
  FakeSystem system;
  ScriptedPump pump;
  Engine engine{Platform{simulation->clock(), simulation->drives(), registry, system, pump}};
  Baselines baselines;
  DiscSearchResult opened = NoDisc;
};

}  // namespace vantric::testing
