#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "fakes.h"
#include "scripted_test_disc.h"
#include "sim/scripted_disc_file.h"
#include "sim/table_drives.h"
#include "sim/virtual_clock.h"

namespace vantric::testing {

// An engine on the virtual clock with one CD-ROM drive D: holding a scripted test file.
struct EngineRig {
  explicit EngineRig(int64_t frequency = VirtualClock::kDefaultFrequency, int64_t poll_cost = 1)
      : clock(frequency, poll_cost) {
    PutScriptedTestDisc(drives, clock, &file);
    engine.ScanDrives();
    engine.FindTestDisc();
    engine.StartCounter();
    engine.OnTestCaption = [this](const std::string& text) { captions.push_back(text); };
    engine.OnTestProgress = [this](int percent) { progress.push_back(percent); };
  }

  // Every read takes the counts the script gives.
  void Script(ScriptedDiscFile::Script script) { file->SetScript(std::move(script)); }

  // The first sector of every read, in order.
  std::vector<int64_t> SectorsRead() const {
    std::vector<int64_t> sectors;
    for (const ScriptedRead& read : file->Reads()) {
      for (int32_t i = 0; i < read.sector_count; ++i) sectors.push_back(read.first_sector + i);
    }
    return sectors;
  }

  VirtualClock clock;
  TableDrives drives;
  FakeRegistry registry;
  FakeSystem system;
  ScriptedPump pump;
  Engine engine{Platform{clock, drives, registry, system, pump}};
  ScriptedDiscFile* file = nullptr;
  std::vector<std::string> captions;
  std::vector<int> progress;
};

}  // namespace vantric::testing
