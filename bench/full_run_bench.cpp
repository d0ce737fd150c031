// A full default run on a simulated drive: the virtual clock makes about two minutes of drive
// time; this measures what that costs for real.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "cli/cli_user_information.h"
#include "engine/engine.h"
#include "platform/native.h"
#include "run/run_benchmark.h"
#include "sim/simulation.h"

namespace vantric {
namespace {

class SilentView : public ResultsView {
 public:
  void ShowTestCaption(const std::string&) override {}
  void ShowTestProgress(int) override {}
  void SetWindowCaption(const std::string&) override {}
  void SetText(std::string_view, const std::string&) override {}
  void SetEnabled(std::string_view, bool) override {}
  void SetVisible(std::string_view, bool) override {}
  void ClearDescriptions() override {}
  void DescribeStep(int) override {}
  void ShowMessage(const std::string& text) override { throw std::runtime_error(text); }
  void HideWindow() override {}
  void ProcessMessages() override {}
};

class NoPump : public UiPump {
 public:
  void ProcessMessages() override {}
};

void FullDefaultRun(benchmark::State& state, const char* profile) {
  double virtual_seconds = 0;
  for (auto _ : state) {
    std::string error;
    auto simulation = MakeSimulation(profile, &error);
    if (!simulation) {
      state.SkipWithError(error.c_str());
      return;
    }
    NativeRegistry registry;
    NativeSystem system({});
    NoPump pump;
    Engine engine(Platform{simulation->clock(), simulation->drives(), registry, system, pump});
    engine.ScanDrives();
    if (engine.FindTestDisc() != DiscOpened) {
      state.SkipWithError("no simulated disc");
      return;
    }
    TestSettings settings;
    TestResults results;
    SilentView view;
    CliUserInformation user("", "", "");
    const RunOutcome outcome = RunBenchmark({engine, settings, results, view, user});
    benchmark::DoNotOptimize(results.MultimediaIndex);
    if (outcome != RunOutcome::kCompleted || !results.ResultsValid) {
      state.SkipWithError("run did not complete");
      return;
    }
    virtual_seconds = simulation->clock().SecondsForCounts(simulation->clock().Now());
  }
  state.counters["drive_seconds"] = virtual_seconds;
}

BENCHMARK_CAPTURE(FullDefaultRun, 8x_clv, "8x-clv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullDefaultRun, 52x_cav, "52x-cav")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantric

BENCHMARK_MAIN();
