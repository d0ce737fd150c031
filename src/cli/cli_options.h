#pragma once

#include <optional>
#include <string>
#include <vector>

#include "curve/transfer_curve.h"
#include "drive/held_speed.h"
#include "options/program_options.h"
#include "run/test_settings.h"

namespace vantric {

// What the command line asks for: what the desktop program takes too, and the terminal's own.
struct CliOptions : ProgramOptions {
  TestSettings settings;  // the configuration dialog's fields, before its checks
  std::string drive_info, controller_info, computer_info;
  std::string json_path;   // empty: no JSON; "-": stdout
  std::string curve_path;  // empty: the benchmark; otherwise the transfer-rate curve's file
  CurveMode curve_mode = CurveMode::kQuick;
  bool curve_mode_given = false;
  // --whole-disc: the disc in the drive, not the test file: its curve with --curve, otherwise
  // the access tests.
  bool whole_disc = false;
  std::string device;  // --device: the drive for --whole-disc; empty: the one holding a disc
  std::optional<SpeedRequest> speed;  // --speed: the drive's read speed for the run or curve
  // The first option given that belongs to the benchmark only, for refusing it with --curve;
  // and the first of them other than --json, for refusing it with the access tests.
  std::string benchmark_option;
  std::string run_only_option;
  bool quiet = false;
};

// Reads the arguments after the program name; the message when they cannot be used. The
// settings are not checked here: that is the configuration checks' job.
std::optional<std::string> ParseCliOptions(const std::vector<std::string>& arguments,
                                           CliOptions* options);

std::string CliUsage();

// --curve-mode's value; the message when it is neither "quick" nor "full".
std::optional<std::string> ParseCurveMode(const std::string& value, CurveMode* mode);

}  // namespace vantric
