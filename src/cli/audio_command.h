#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "curve/transfer_curve.h"
#include "sim/machine.h"

namespace vantric {

// What `vantric-cli audio` is asked for.
struct AudioOptions {
  std::string device;      // empty: the one optical drive that holds a disc
  std::string curve_path;  // the extraction speed's curve file, or none
  CurveMode curve_mode = CurveMode::kQuick;
  std::string json_path;  // empty: none; "-": stdout instead of the report
  // --speed: "max", or the X to set; empty: the drive's speed as it is.
  std::string speed;
  std::optional<double> speed_x;
  bool quiet = false;
  bool help = false;
};

std::optional<std::string> ParseAudioOptions(const std::vector<std::string>& arguments,
                                             AudioOptions* options);

// vantric-cli audio ARGUMENTS: a CD's audio tracks read with READ CD as CD-DA through the
// drive's pass-through: the TOC, the extraction speed across them as a curve, whether the drive
// streams accurately and caches audio, and the sectors it reports C2 errors in. Exit codes as
// for a whole-disc curve: 3 when C2 errors or unreadable sectors were found (report and files
// written) or when a read failed mid-way (nothing written); 1 for no disc, no audio track, or a
// drive that will not read audio.
int RunAudioCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool err_is_terminal);

// The same on `machine`'s drives and clock.
int RunAudioOn(const AudioOptions& options, Machine& machine, std::ostream& out, std::ostream& err,
               bool show_progress);

}  // namespace vantric
