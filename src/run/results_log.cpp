#include "run/results_log.h"

#include "platform/files.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr const char* kIndent = "     ";

class LogLines {
 public:
  void Line(std::string text) { lines_.push_back(std::move(text)); }
  void Empty() { lines_.emplace_back(); }
  void Indented(const std::string& text) { lines_.push_back(kIndent + text); }
  // A result line, or its "Disabled" form; the two labels differ for 8X and 12X.
  void Result(const std::string& label, bool on, const std::string& value,
              const std::string& disabled_label) {
    Indented(on ? label + ": " + value : disabled_label + ": Disabled");
  }
  void Result(const std::string& label, bool on, const std::string& value) {
    Result(label, on, value, label);
  }
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
  const TestFlags& on = r.flags;
  LogLines lines;

  lines.Empty();
  lines.Line("Vantric 1.65 for Windows 95 - " + std::to_string(r.PassCount) + " Pass Test Results");
  lines.Empty();
  lines.Line("Test Started: " + content.StartTime);
  lines.Line("Test Ended: " + content.EndTime);
  lines.Empty();
  lines.Line("User Supplied Information");
  lines.Indented(content.Edit1);
  lines.Indented(content.Edit2);
  lines.Indented(content.Edit3);
  lines.Empty();

  lines.Line("Read Tests");
  if (on.Read16On) {
    lines.Indented("16k outside: " + KpsText(r.Read16Outside));
    lines.Indented("16k center: " + KpsText(r.Read16Center));
    lines.Indented("16k inside: " + KpsText(r.Read16Inside));
  } else {
    lines.Indented("16k read: Disabled");
  }
  if (on.Read2On) {
    lines.Indented("2k outside: " + KpsText(r.Read2Outside));
    lines.Indented("2k center: " + KpsText(r.Read2Center));
    lines.Indented("2k inside: " + KpsText(r.Read2Inside));
  } else {
    lines.Indented("2k block: Disabled");
  }
  lines.Empty();

  lines.Line("Access Tests");
  lines.Result("Full Stroke", on.FullStrokeOn, MsText(r.FullStrokeTime));
  lines.Result("Random Access", on.RandomAccessOn, MsText(r.RandomAccessTime));
  lines.Result("Overhead", on.OverheadOn, MsText(r.SeekOverhead));
  lines.Empty();

  lines.Line("CPU Tests");
  lines.Result("2X 300kps", on.Cpu2xOn, PercentText(r.CpuUsage2x));
  lines.Result("4X 600kps", on.Cpu4xOn, PercentText(r.CpuUsage4x));
  lines.Result("6X 900kps", on.Cpu6xOn, PercentText(r.CpuUsage6x));
  lines.Result("8X 1200kps", on.Cpu8xOn, PercentText(r.CpuUsage8x), "8x 1200kps");
  lines.Result("12X 1800kps", on.Cpu12xOn, PercentText(r.CpuUsage12x), "12x 1800kps");
  lines.Result("User " + content.userval + "kps", on.CpuUserOn, PercentText(r.CpuUsageUser),
               "User");
  lines.Empty();

  lines.Line("Burst Tests");
  lines.Result("2k burst", on.Burst2kOn, KpsText(r.BurstRate2k));
  lines.Result("8k burst", on.Burst8kOn, KpsText(r.BurstRate8k));
  lines.Result("16k burst", on.Burst16kOn, KpsText(r.BurstRate16k));
  lines.Empty();

  lines.Line("CDFS Cache Info (Win95 only)");
  lines.Indented("CDFS read ahead: " + CdfsText(content.CdfsPrefetch));
  lines.Indented("CDFS cache size: " + CdfsText(content.CdfsCacheSize));
  lines.Empty();

  lines.Line("Vantric Calculated Drive Indexes");
  lines.Indented("Multimedia Index: " + (r.MultimediaIndex != 0
                                             ? RoundedText(r.MultimediaIndex)
                                             : std::string("requires 16k read and 2X cpu test")));
  lines.Indented("Application Index: " +
                 (r.ApplicationIndex != 0 ? RoundedText(r.ApplicationIndex)
                                          : std::string("requires 16k/2k read and random seek")));
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
