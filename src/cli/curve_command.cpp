#include "cli/curve_command.h"

#include "cli/cli_app.h"
#include "platform/files.h"
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

int RunCurveCommand(const CliOptions& options, Engine& engine, const CurveSource& source,
                    std::ostream& out, std::ostream& err, bool show_progress) {
  std::vector<CurvePoint> points;
  CurveOutcome outcome;
  {
    CurveProgressLine line(err, show_progress);
    outcome = MeasureTransferCurve(
        engine, options.curve_mode, [&line](int percent, double x) { line.Show(percent, x); },
        &points);
  }
  switch (outcome) {
    case CurveOutcome::kNoCounter:
      err << "Error intializing performance counter.\n";
      return kExitFailed;
    case CurveOutcome::kCancelled:
      err << "Curve aborted by user.\n";
      return kExitCancelled;
    case CurveOutcome::kReadFailed:
      err << engine.ReadFailureMessage() << "\n";
      return kExitReadFailed;
    case CurveOutcome::kTooShort:
      err << "The test file holds " << engine.TestFile()->Size()
          << " bytes, too few for a transfer rate curve.\n";
      return kExitFailed;
    case CurveOutcome::kCompleted:
      break;
  }
  // The report comes first, so that minutes of reading are not lost with a file that cannot be
  // written.
  out << CurveReportText(points, source) << std::flush;
  const double file_mb = static_cast<double>(engine.TestFile()->Size()) / kBytesPerMb;
  const std::string text =
      CurveFileText(*CurveFileKindOf(options.curve_path), points, source, file_mb);
  if (!ReplaceFileContents(options.curve_path, text)) {
    err << "Error writing curve file " << options.curve_path << ".\n";
    return kExitFailed;
  }
  return kExitCompleted;
}

}  // namespace vantric
