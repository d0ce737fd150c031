#include "cli/reference_results.h"

#include <sstream>

#include "cli/cli_app.h"
#include "cli/curve_output.h"
#include "cli/terminal_view.h"
#include "platform/native.h"
#include "sim/simulation.h"

namespace vantric {
namespace {

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

std::optional<ResultFile> SimulatedRunResult(const std::string& profile, std::string* error) {
  std::ostringstream json, messages;
  const int code = RunCli({"--simulate", profile, "--quiet", "--json", "-"}, json, messages, false);
  if (code != kExitCompleted) {
    if (error) *error = "the reference run on " + profile + " failed: " + messages.str();
    return std::nullopt;
  }
  return AsReference(json.str(), profile, error);
}

std::optional<ResultFile> SimulatedCurveResult(const std::string& profile, std::string* error) {
  std::unique_ptr<Simulation> simulation = MakeSimulation(profile, error);
  if (!simulation) return std::nullopt;
  NativeSystem system(std::vector<std::string>{});
  NativeRegistry registry;
  TerminalPump pump;
  Engine engine(Platform{simulation->clock(), simulation->drives(), registry, system, pump});
  pump.Attach(&engine);
  engine.ScanDrives();
  std::vector<CurvePoint> points;
  if (engine.FindTestDisc() != DiscOpened ||
      MeasureTransferCurve(engine, CurveMode::kQuick, {}, &points) != CurveOutcome::kCompleted) {
    if (error) *error = "the reference curve on " + profile + " was not completed";
    return std::nullopt;
  }
  const CurveSource source{CurveMode::kQuick,
                           simulation->drives().LocalPath(engine.TestFilePath()),
                           std::string(ReadModeName(engine.TestFile()->Mode())),
                           std::nullopt,
                           profile,
                           system.GetLocalTime(),
                           std::nullopt};
  const double file_mb = static_cast<double>(engine.TestFile()->Size()) / kBytesPerMb;
  return AsReference(CurveFileText(CurveFileKind::kJson, points, source, file_mb), profile, error);
}

}  // namespace vantric
