#pragma once

#include "engine/engine.h"
#include "run/results_view.h"
#include "run/test_results.h"
#include "run/test_settings.h"

namespace vantric {

// What one run works with. The clock and the system come from engine.platform().
struct RunContext {
  Engine& engine;
  // The configuration dialog's state: the flags and PassEdit are read at the start, userval
  // at each user CPU test, LogEdit after the last pass.
  const TestSettings& settings;
  TestResults& results;
  ResultsView& view;
  UserInformation& user_information;
};

enum class RunOutcome {
  kCompleted,  // every pass ran (or none was asked for); results shown, log step done
  kNoCounter,  // the machine has no performance counter; nothing was measured
  kCancelled,  // CancelRequested was seen; nothing presented, nothing logged
  // A read failed; ended as a cancelled run, with a message naming the sector and the reason.
  kReadFailed,
};

// Runs the selected tests for the requested passes on the open test file, showing the running
// values in the view, then the means, indexes and drive classification, and appends the
// report to the log file when one is set. Returns when the run has ended, was aborted or
// could not start; the desktop window ignores the outcome, the terminal turns it into an
// exit code.
RunOutcome RunBenchmark(const RunContext& context);

}  // namespace vantric
