// Runs that share one log file, started together on a name that does not exist yet: every run
// completes, and the log holds each run's report whole.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_test_files.h"
#include "subprocess.h"

namespace vantric::testing {
namespace {

constexpr int kRuns = 10;
// Reports written a line at a time mixed in about a third of such rounds, and a name check
// collided with another run's in about one in twenty runs.
constexpr int kRounds = 30;

std::vector<std::string> ReportsIn(const std::string& log) {
  const std::string start = "\r\nVantric 1.65 for Windows 95 - ";
  std::vector<std::string> reports;
  for (size_t at = log.find(start); at != std::string::npos;) {
    const size_t next = log.find(start, at + 1);
    reports.push_back(log.substr(at, next - at));
    at = next;
  }
  return reports;
}

std::string WithCrLf(const std::string& text) {
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

TEST(SharedLogTest, RunsStartedTogetherOnANewNameEachLogTheirWholeReport) {
  ScratchDir dir("cli-shared-log");
  int failed_runs = 0;
  int mixed_rounds = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string log = (dir.path() / ("shared-" + std::to_string(round) + ".log")).string();
    std::vector<std::vector<std::string>> runs;
    for (int run = 0; run < kRuns; ++run) {
      runs.push_back({"--simulate", "8x-clv", "--tests", "burst2k", "--log", log, "--drive-info",
                      "run " + std::to_string(run)});
    }
    const std::vector<ProcessResult> results = RunTogether(VANTRIC_CLI_PATH, runs);
    std::vector<std::string> expected;
    for (const ProcessResult& result : results) {
      if (result.exit_code == 0) {
        expected.push_back(WithCrLf(result.out));
      } else {
        ++failed_runs;
        ADD_FAILURE() << "exit " << result.exit_code << ": " << result.err;
      }
    }
    // The report a run prints is the report it logged; each must be there once, whole.
    std::vector<std::string> logged = ReportsIn(FileText(log));
    std::sort(expected.begin(), expected.end());
    std::sort(logged.begin(), logged.end());
    if (logged != expected) ++mixed_rounds;
  }
  EXPECT_EQ(failed_runs, 0) << "of " << kRounds * kRuns << " runs";
  EXPECT_EQ(mixed_rounds, 0) << "of " << kRounds << " rounds";
}

}  // namespace
}  // namespace vantric::testing
