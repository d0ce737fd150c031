#pragma once

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "fakes.h"
#include "run/results_view.h"
#include "run/run_benchmark.h"
#include "sim/scripted_disc_file.h"
#include "sim/simulation.h"
#include "sim/table_drives.h"
#include "sim/virtual_clock.h"

namespace vantric::testing {

// Remembers what the run did to the results window. `trail` keeps the order of captions,
// descriptions, messages and hiding; the maps keep each control's last state.
class RecordingView : public ResultsView {
 public:
  std::vector<std::string> trail;
  std::vector<int> descriptions;
  std::vector<int> progress;
  std::vector<std::string> messages;
  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, bool, std::less<>> enabled;
  std::map<std::string, bool, std::less<>> visible;
  std::string window_caption;
  bool hidden = false;
  int process_calls = 0;
  std::function<void(const std::string&)> on_caption;  // for pressing Cancel mid-run

  void ShowTestCaption(const std::string& text) override {
    trail.push_back("caption " + text);
    texts["CurTest"] = text;
    if (on_caption) on_caption(text);
  }
  void ShowTestProgress(int percent) override { progress.push_back(percent); }
  void SetWindowCaption(const std::string& text) override {
    window_caption = text;
    trail.push_back("window " + text);
  }
  void SetText(std::string_view control, const std::string& text) override {
    texts[std::string(control)] = text;
  }
  void SetEnabled(std::string_view control, bool on) override {
    enabled[std::string(control)] = on;
  }
  void SetVisible(std::string_view control, bool on) override {
    visible[std::string(control)] = on;
  }
  void ClearDescriptions() override {
    descriptions.clear();
    trail.push_back("clear");
  }
  void DescribeStep(int number) override {
    descriptions.push_back(number);
    trail.push_back("describe " + std::to_string(number));
  }
  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    trail.push_back("message " + text);
  }
  void HideWindow() override {
    hidden = true;
    trail.push_back("hide");
  }
  void ProcessMessages() override { ++process_calls; }

  std::string Text(std::string_view control) const {
    const auto found = texts.find(control);
    return found == texts.end() ? "" : found->second;
  }
  bool IsEnabled(std::string_view control) const {
    const auto found = enabled.find(control);
    return found != enabled.end() && found->second;
  }
  bool IsVisible(std::string_view control) const {
    const auto found = visible.find(control);
    return found != visible.end() && found->second;
  }
  // The trail entries that start with `prefix`, without it.
  std::vector<std::string> TrailOf(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : trail) {
      if (entry.rfind(prefix, 0) == 0) found.push_back(entry.substr(prefix.size()));
    }
    return found;
  }
};

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
  explicit ProfileRunRig(std::string_view profile) : simulation(Make(profile)) {
    engine.ScanDrives();
    if (engine.FindTestDisc() != DiscOpened) throw std::runtime_error("no simulated disc");
  }
  static std::unique_ptr<Simulation> Make(std::string_view profile) {
    std::string error;
    auto made = MakeSimulation(profile, &error);
    if (!made) throw std::invalid_argument(error);
    return made;
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
    drives.SetDriveType('D', DRIVE_CDROM);
    drives.AddFile("D:\\DATA\\VANTRIC.DAT", [this] {
      auto made = std::make_unique<ScriptedDiscFile>(clock, 613'492'736);
      file = made.get();
      return made;
    });
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
