#include "cli/curve_command.h"

#include "cli/cli_app.h"
#include "cli/curve_progress.h"
#include "platform/files.h"
#include "results/curve_report.h"
#include "results/result_formats.h"
#include "run/run_messages.h"

namespace vantric {
std::string DiscReadFailureMessage(const std::string& device, int64_t sector,
                                   const std::string& error) {
  return "Error reading the disc in " + device + " at sector " + std::to_string(sector) + ": " +
         error + ".";
}

int RunCurveCommand(const CliOptions& options, Engine& engine, const CurveSource& source,
                    std::ostream& out, std::ostream& err, bool show_progress) {
  std::vector<CurvePoint> points;
  ReadScan scan;
  CurveOutcome outcome;
  {
    CurveProgressLine line(err, show_progress, "Transfer rate curve");
    const CurveProgress progress = [&line](int percent, double x) { line.Show(percent, x); };
    outcome = source.disc
                  ? ScanWholeDisc(engine, options.curve_mode, OneXKbps(source.disc->medium.medium),
                                  progress, &points, &scan)
                  : MeasureTransferCurve(engine, options.curve_mode, progress, &points);
  }
  const char* const read = source.disc ? "The disc" : "The test file";
  switch (outcome) {
    case CurveOutcome::kNoCounter:
      err << kNoCounterMessage << "\n";
      return kExitFailed;
    case CurveOutcome::kCancelled:
      err << "Curve aborted by user.\n";
      return kExitCancelled;
    case CurveOutcome::kReadFailed:
      err << (source.disc ? DiscReadFailureMessage(source.test_file, scan.failure.sector,
                                                   engine.TestFile()->ErrorText(scan.failure.error))
                          : engine.ReadFailureMessage())
          << "\n";
      return kExitReadFailed;
    case CurveOutcome::kTooShort:
      err << read << " holds " << engine.TestFile()->Size()
          << " bytes, too few for a transfer rate curve.\n";
      return kExitFailed;
    case CurveOutcome::kCompleted:
      break;
  }
  CurveSource shown = source;
  if (shown.disc) shown.disc->unreadable = scan.unreadable;
  // The report comes first, so that minutes of reading are not lost with a file that cannot be
  // written.
  out << CurveReportText(points, shown) << std::flush;
  const double file_mb = static_cast<double>(engine.TestFile()->Size()) / kBytesPerMb;
  const std::string text =
      ResultFormatOfPath(options.curve_path)->write_curve(points, shown, file_mb);
  if (!ReplaceFileContents(options.curve_path, text)) {
    err << "Error writing curve file " << options.curve_path << ".\n";
    return kExitFailed;
  }
  return scan.unreadable.empty() ? kExitCompleted : kExitReadFailed;
}

}  // namespace vantric
