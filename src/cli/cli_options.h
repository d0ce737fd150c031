#pragma once

#include <optional>
#include <string>
#include <vector>

#include "curve/transfer_curve.h"
#include "drive/held_speed.h"
#include "run/test_settings.h"

namespace vantric {

// What the command line asks for.
struct CliOptions {
  bool net = false;  // NET: network drives join the search for the test disc
  std::vector<std::string> drive_directories;
  std::string simulate_profile;  // empty: real drives; "list": print the profiles
  TestSettings settings;         // the configuration dialog's fields, before its checks
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
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name; the message when they cannot be used. The
// settings are not checked here: that is the configuration checks' job.
std::optional<std::string> ParseCliOptions(const std::vector<std::string>& arguments,
                                           CliOptions* options);

std::string CliUsage();

// An option that takes a value, given as "--name=value" or as "--name value".
// The name of the option at `argument`: "--passes" of "--passes=3" as well as of "--passes".
std::string OptionName(const std::string& argument);
// Its value: after the equals sign, or the next argument (*i then moves on to it); nothing when
// neither is there.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, size_t* i);

}  // namespace vantric
