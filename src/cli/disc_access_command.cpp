#include "cli/disc_access_command.h"

#include "cli/cli_app.h"
#include "cli/curve_command.h"
#include "cli/terminal_view.h"
#include "curve/disc_access.h"
#include "drive/mmc.h"
#include "engine/disc_places.h"
#include "results/disc_access_report.h"
#include "run/run_messages.h"

namespace vantric {

int RunDiscAccessCommand(const CliOptions& options, Machine& machine, Engine& engine,
                         const CurveSource& source, std::ostream& out, std::ostream& err,
                         bool show_progress) {
  const WholeDisc& disc = *source.disc;
  if (disc.Sectors() < kSmallestAccessDisc) {
    err << "The disc holds " << disc.bytes << " bytes, too few for the access tests (at least "
        << kSmallestAccessDisc * SECTOR_SIZE << ").\n";
    return kExitFailed;
  }
  std::string no_commands;
  std::unique_ptr<DriveCommands> commands =
      machine.disc_devices().OpenCommands(disc.device, &no_commands);
  std::optional<Mmc> mmc;
  if (commands) mmc.emplace(*commands);

  DiscAccessResults results;
  DiscAccessOutcome outcome;
  {
    TerminalView view(err, show_progress, engine.platform().pump);
    engine.OnTestCaption = [&view](const std::string& text) { view.ShowTestCaption(text); };
    engine.OnTestProgress = [&view](int percent) { view.ShowTestProgress(percent); };
    outcome =
        RunDiscAccessTests(engine, disc.Sectors(), mmc ? &*mmc : nullptr, no_commands, &results);
    engine.OnTestCaption = nullptr;
    engine.OnTestProgress = nullptr;
  }
  switch (outcome) {
    case DiscAccessOutcome::kNoCounter:
      err << kNoCounterMessage << "\n";
      return kExitFailed;
    case DiscAccessOutcome::kCancelled:
      err << "Test aborted by user.\n";
      return kExitCancelled;
    case DiscAccessOutcome::kReadFailed:
      err << DiscReadFailureMessage(disc.device, engine.FirstReadFailure().sector,
                                    engine.TestFile()->ErrorText(engine.FirstReadFailure().error))
          << "\n";
      return kExitReadFailed;
    case DiscAccessOutcome::kCompleted:
      break;
  }
  if (options.json_path != "-") out << DiscAccessReportText(results, source) << std::flush;
  if (!options.json_path.empty() &&
      !WriteJsonOutput(options.json_path,
                       DiscAccessJson(results, source, machine.system().GetLocalTime()), out)) {
    err << "Error writing JSON file.\n";
    return kExitFailed;
  }
  return kExitCompleted;
}

}  // namespace vantric
