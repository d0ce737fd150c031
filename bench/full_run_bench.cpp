// A full default run on a simulated drive: the virtual clock makes about two minutes of drive
// time; this measures what that costs for real.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "run/cancel_pump.h"
#include "run/run_benchmark.h"
#include "run/unwatched_run.h"
#include "sim/machine.h"

namespace vantric {
namespace {

void FullDefaultRun(benchmark::State& state, const char* profile) {
  double virtual_seconds = 0;
  for (auto _ : state) {
    std::string error;
    auto simulation = MakeSimulation(profile, &error);
    if (!simulation) {
      state.SkipWithError(error.c_str());
      return;
    }
    Machine machine(std::move(simulation));
    CancelPump pump([] { return false; });
    Engine engine(machine.PlatformWith(pump));
    engine.ScanDrives();
    if (engine.FindTestDisc() != DiscOpened) {
      state.SkipWithError("no simulated disc");
      return;
    }
    TestSettings settings;
    TestResults results;
    UnwatchedView view(pump);
    NoUserInformation user;
    const RunOutcome outcome = RunBenchmark({engine, settings, results, view, user});
    benchmark::DoNotOptimize(results.MultimediaIndex);
    if (outcome != RunOutcome::kCompleted || !results.ResultsValid) {
      state.SkipWithError(("run did not complete: " + view.messages()).c_str());
      return;
    }
    VirtualClock& clock = machine.simulation()->clock();
    virtual_seconds = clock.SecondsForCounts(clock.Now());
  }
  state.counters["drive_seconds"] = virtual_seconds;
}

BENCHMARK_CAPTURE(FullDefaultRun, 8x_clv, "8x-clv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullDefaultRun, 52x_cav, "52x-cav")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantric

BENCHMARK_MAIN();
