#pragma once

#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "fakes.h"
#include "recording_view.h"
#include "run/run_benchmark.h"
#include "scripted_test_disc.h"
#include "sim/scripted_disc_file.h"
#include "sim/simulation.h"
#include "sim/table_drives.h"
#include "sim/virtual_clock.h"
#include "sim_rig.h"

namespace vantric::testing {

class FakeUserInformation : public UserInformation {
 public:
  std::string edit1, edit2, edit3;
  // What the user types when the dialog is shown.
  std::string typed1, typed2, typed3;
  int asked = 0;

  void Ask() override {
    ++asked;
    edit1 = typed1;
    edit2 = typed2;
    edit3 = typed3;
  }
  void Clear() override { edit1 = edit2 = edit3 = ""; }
  std::string Edit1() const override { return edit1; }
  std::string Edit2() const override { return edit2; }
  std::string Edit3() const override { return edit3; }
};

// Settings with every test off, to switch on what a test needs.
inline TestSettings NoTests() {
  TestSettings s;
  s.read16 = s.read2 = s.seekfull = s.seekrand = false;
  s.cpu2x = s.cpu4x = s.cpu6x = s.cpu8x = s.cpu12x = s.cpuuser = false;
  s.burst2k = s.burst8k = s.burst16k = false;
  return s;
}

// What every run rig holds besides its engine.
struct RunParts {
  RecordingView view;
  FakeUserInformation user;
  TestSettings settings;
  TestResults results;
  FakeRegistry registry;
  FakeSystem system;
  ScriptedPump pump;
};

// A run on a named simulated drive, set up as the front ends do for --simulate.
struct ProfileRunRig : RunParts {
  explicit ProfileRunRig(std::string_view profile) : simulation(SimulationOf(profile)) {
    engine.ScanDrives();
    if (engine.FindTestDisc() != DiscOpened) throw std::runtime_error("no simulated disc");
  }
  RunOutcome Run() { return RunBenchmark({engine, settings, results, view, user}); }

  std::unique_ptr<Simulation> simulation;
  Engine engine{Platform{simulation->clock(), simulation->drives(), registry, system, pump}};
};

// A run on a test file whose reads take the times a script gives. The counter runs at
// 33 MHz, so that 16 KB reads of 528,000,000 / R counts make exactly R KB/s; a counter reading
// costs a microsecond, as on the simulated machine.
struct ScriptedRunRig : RunParts {
  static constexpr int64_t kFrequency = 33'000'000;
  static constexpr int64_t kPollCost = 33;

  ScriptedRunRig() : clock(kFrequency, kPollCost) {
    PutScriptedTestDisc(drives, clock, &file);
    engine.ScanDrives();
    engine.FindTestDisc();
    // Reads at a steady 1200 KB/s unless a test says otherwise.
    SetRates([](int, int64_t) { return 1200.0; });
  }

  // rate(pass, first sector) in KB/s for every read; a 1-sector read at sector 512 (where the
  // 16k inside test positions itself) marks the start of a pass's tests. A read that does not
  // continue where the last one ended also seeks: 20 ms plus 1 ms per 3000 sectors.
  void SetRates(std::function<double(int pass, int64_t sector)> rate) {
    file->SetScript([this, rate = std::move(rate)](const ScriptedRead& read) -> int64_t {
      if (read.first_sector == 512 && read.sector_count == 1) ++pass;
      const double kps = rate(pass, read.first_sector);
      double seconds = read.sector_count * 2.0 / kps;
      if (read.first_sector != next_sector) {
        seconds += (20 + std::abs(read.first_sector - next_sector) / 3000.0) / 1000;
      }
      next_sector = read.first_sector + read.sector_count;
      return std::llround(seconds * kFrequency);
    });
  }
  RunOutcome Run() { return RunBenchmark({engine, settings, results, view, user}); }

  VirtualClock clock;
  TableDrives drives;
  Engine engine{Platform{clock, drives, registry, system, pump}};
  ScriptedDiscFile* file = nullptr;
  int pass = 0;
  int64_t next_sector = 0;
};

}  // namespace vantric::testing
