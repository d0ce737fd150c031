#include "results/reference_results.h"

#include <memory>
#include <vector>

#include "curve/transfer_curve.h"
#include "results/curve_json.h"
#include "results/result_formats.h"
#include "results/run_json.h"
#include "run/cancel_pump.h"
#include "run/results_log.h"
#include "run/run_benchmark.h"
#include "run/unwatched_run.h"
#include "sim/machine.h"

namespace vantric {
namespace {

// The simulated drive with its engine, the test file found and opened.
struct ReferenceBench {
  ReferenceBench(std::unique_ptr<Machine> made, const std::function<bool()>& cancel_requested)
      : machine(std::move(made)), pump(cancel_requested), engine(machine->PlatformWith(pump)) {
    pump.Attach(&engine);
    engine.ScanDrives();
    opened = engine.FindTestDisc() == DiscOpened;
  }

  std::unique_ptr<Machine> machine;
  CancelPump pump;
  Engine engine;
  bool opened = false;
};

std::unique_ptr<ReferenceBench> MakeBench(const std::string& profile,
                                          const std::function<bool()>& cancel_requested,
                                          std::string* error) {
  std::unique_ptr<Machine> machine = MakeMachine(profile, {}, {}, error);
  if (!machine) return nullptr;
  return std::make_unique<ReferenceBench>(std::move(machine), cancel_requested);
}

std::optional<ResultFile> AsReference(const std::string& json, const std::string& profile,
                                      std::string* error) {
  std::optional<ResultFile> result = ResultFromJson(json, profile, error);
  if (result) {
    // The column's heading says it is a reference; the profile's name is all it needs besides.
    result->reference = true;
    result->title = profile;
  }
  return result;
}

}  // namespace

std::optional<ResultFile> SimulatedRunResult(const std::string& profile,
                                             const std::function<bool()>& cancel_requested,
                                             std::string* error) {
  const std::unique_ptr<ReferenceBench> bench = MakeBench(profile, cancel_requested, error);
  if (!bench) return std::nullopt;
  const TestSettings settings;
  TestResults results;
  UnwatchedView view(bench->pump);
  NoUserInformation user;
  if (!bench->opened ||
      RunBenchmark({bench->engine, settings, results, view, user}) != RunOutcome::kCompleted) {
    if (error) *error = "the reference run on " + profile + " failed: " + view.messages();
    return std::nullopt;
  }
  const ReportContent content = GatherReportContent(bench->engine, settings, results, user);
  Engine& engine = bench->engine;
  const JsonRunSource source{bench->machine->drives().LocalPath(engine.TestFilePath()),
                             std::string(ReadModeName(engine.TestFile()->Mode())), std::nullopt,
                             profile};
  return AsReference(ResultsJson(content, source), profile, error);
}

std::optional<ResultFile> SimulatedCurveResult(const std::string& profile,
                                               const std::function<bool()>& cancel_requested,
                                               std::string* error) {
  const std::unique_ptr<ReferenceBench> bench = MakeBench(profile, cancel_requested, error);
  if (!bench) return std::nullopt;
  Engine& engine = bench->engine;
  std::vector<CurvePoint> points;
  if (!bench->opened ||
      MeasureTransferCurve(engine, CurveMode::kQuick, {}, &points) != CurveOutcome::kCompleted) {
    if (error) *error = "the reference curve on " + profile + " was not completed";
    return std::nullopt;
  }
  const CurveSource source{CurveMode::kQuick,
                           bench->machine->drives().LocalPath(engine.TestFilePath()),
                           std::string(ReadModeName(engine.TestFile()->Mode())),
                           std::nullopt,
                           profile,
                           bench->machine->system().GetLocalTime(),
                           std::nullopt,
                           std::nullopt};
  const double file_mb = static_cast<double>(engine.TestFile()->Size()) / kBytesPerMb;
  return AsReference(CurveFileText(ResultFormat::kJson, points, source, file_mb), profile, error);
}

}  // namespace vantric
