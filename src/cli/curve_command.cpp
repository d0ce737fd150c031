#include "cli/curve_command.h"

#include "cli/cli_app.h"
#include "platform/files.h"
#include "results/curve_report.h"
#include "results/result_formats.h"
#include "run/run_messages.h"
#include "run/value_text.h"

namespace vantric {
namespace {

// One line of stderr, rewritten in place as the stretches go by.
class CurveProgressLine {
 public:
  CurveProgressLine(std::ostream& err, bool shown) : err_(err), shown_(shown) {}
  ~CurveProgressLine() { End(); }

  void Show(int percent, double x) {
    if (!shown_) return;
    err_ << "\r\x1b[KTransfer rate curve " << percent << "% - " << FixedText(x, 1) << "X"
         << std::flush;
    open_ = true;
  }
  void End() {
    if (!open_) return;
    err_ << "\r\x1b[K" << std::flush;
    open_ = false;
  }

 private:
  std::ostream& err_;
  bool shown_;
  bool open_ = false;
};

}  // namespace

std::string DiscReadFailureMessage(const Engine& engine, const std::string& device,
                                   const ReadFailure& failure) {
  return "Error reading the disc in " + device + " at sector " + std::to_string(failure.sector) +
         ": " + engine.TestFile()->ErrorText(failure.error) + ".";
}

int RunCurveCommand(const CliOptions& options, Engine& engine, const CurveSource& source,
                    std::ostream& out, std::ostream& err, bool show_progress) {
  std::vector<CurvePoint> points;
  ReadScan scan;
  CurveOutcome outcome;
  {
    CurveProgressLine line(err, show_progress);
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
      err << (source.disc ? DiscReadFailureMessage(engine, source.test_file, scan.failure)
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
