#include "run/results_log.h"

#include "platform/files.h"
#include "run/test_catalogue.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr const char* kIndent = "     ";

class LogLines {
 public:
  void Line(std::string text) { lines_.push_back(std::move(text)); }
  void Empty() { lines_.emplace_back(); }
  void Indented(const std::string& text) { lines_.push_back(kIndent + text); }
  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace

ReportContent GatherReportContent(Engine& engine, const TestSettings& settings,
                                  const TestResults& results,
                                  const UserInformation& user_information) {
  System& system = engine.platform().system;
  return ReportContent{results,
                       system.FormatTime(results.StartTime),
                       system.FormatTime(results.EndTime),
                       user_information.Edit1(),
                       user_information.Edit2(),
                       user_information.Edit3(),
                       settings.userval,
                       engine.CdfsPrefetch,
                       engine.CdfsCacheSize};
}

std::vector<std::string> ResultsLogLines(const ReportContent& content) {
  const TestResults& r = content.results;
  LogLines lines;

  lines.Empty();
  lines.Line(ReportTitle(r.PassCount));
  lines.Empty();
  lines.Line("Test Started: " + content.StartTime);
  lines.Line("Test Ended: " + content.EndTime);
  lines.Empty();
  lines.Line("User Supplied Information");
  lines.Indented(content.Edit1);
  lines.Indented(content.Edit2);
  lines.Indented(content.Edit3);
  lines.Empty();

  for (const ReportSection& section : ReportSections()) {
    lines.Line(section.log_heading);
    const CatalogueTest* previous = nullptr;
    for (const CatalogueTest* test : section.rows) {
      const bool on = r.flags.*test->flag;
      // A test measured at several places is disabled in one line.
      const bool disabled_already = previous && previous->flag == test->flag && !on;
      if (on) {
        lines.Indented(ResultLabel(*test, content.userval) + ": " +
                       ValueText(*test, r.*test->field));
      } else if (!disabled_already) {
        lines.Indented(LogDisabledLabel(*test) + ": Disabled");
      }
      previous = test;
    }
    lines.Empty();
  }

  lines.Line("CDFS Cache Info (Win95 only)");
  lines.Indented("CDFS read ahead: " + CdfsText(content.CdfsPrefetch));
  lines.Indented("CDFS cache size: " + CdfsText(content.CdfsCacheSize));
  lines.Empty();

  lines.Line(kIndexHeading);
  for (const IndexFigure& index : kIndexFigures) {
    const double value = r.*index.field;
    lines.Indented(std::string(index.label) + ": " + IndexText(index, value, value != 0));
  }
  lines.Indented(r.DriveRatingText);
  lines.Indented(r.DriveTypeText);
  return lines.Take();
}

LogWriteOutcome AppendLinesToFile(const std::string& path, const std::vector<std::string>& lines,
                                  const char* line_end) {
  OutputFile file = OutputFile::OpenForAppending(path);
  if (!file.is_open()) return LogWriteOutcome::kOpenFailed;
  std::string text;
  for (const std::string& line : lines) text += line + line_end;
  // One write: reports that other runs append to the same file at the same moment never mix.
  bool ok = file.Write(text);
  if (file.Close() != 0) ok = false;
  return ok ? LogWriteOutcome::kWritten : LogWriteOutcome::kWriteFailed;
}

void WriteResultsLog(const ReportContent& content, const std::string& path, ResultsView& view) {
  switch (AppendLinesToFile(path, ResultsLogLines(content))) {
    case LogWriteOutcome::kWritten:
      break;
    case LogWriteOutcome::kOpenFailed:
      view.ShowMessage(kLogOpenErrorMessage);
      break;
    case LogWriteOutcome::kWriteFailed:
      view.ShowMessage(kLogWriteErrorMessage);
      break;
  }
}

}  // namespace vantric
