#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"
#include "run/report_lines.h"
#include "run/results_view.h"
#include "run/test_results.h"
#include "run/test_settings.h"

namespace vantric {

// What the report shows besides the results record, gathered when the run has ended: the
// times in the user's time format, the user texts and the user rate as typed, the CDFS values.
ReportContent GatherReportContent(Engine& engine, const TestSettings& settings,
                                  const TestResults& results,
                                  const UserInformation& user_information);

// The report's lines, without line ends; the log file ends each with CR LF, the terminal
// with LF.
std::vector<std::string> ResultsLogLines(const ReportContent& content);

enum class LogWriteOutcome { kWritten, kOpenFailed, kWriteFailed };

// Appends the lines, each followed by `line_end`, to the file at `path` in one write, creating
// it when it does not exist. The file's old bytes are never changed.
LogWriteOutcome AppendLinesToFile(const std::string& path, const std::vector<std::string>& lines,
                                  const char* line_end = "\r\n");

inline constexpr const char* kLogOpenErrorMessage = "Error opening log file.";
inline constexpr const char* kLogWriteErrorMessage = "Error writing log file.";

// Appends the run's report to settings.LogEdit; a failure is shown in the view's message box.
void WriteResultsLog(const ReportContent& content, const std::string& path, ResultsView& view);

}  // namespace vantric
