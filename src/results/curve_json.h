#pragma once

#include <optional>
#include <string>
#include <vector>

#include "curve/curve_summary.h"
#include "curve/transfer_curve.h"
#include "curve/whole_disc.h"
#include "drive/held_speed.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "results/audio_findings.h"

namespace vantric {

// What a finished curve is shown with besides its points.
struct CurveSource {
  CurveMode mode = CurveMode::kQuick;
  std::string test_file;  // the local path
  std::string read_mode;
  std::optional<DriveIdentity> drive;
  std::optional<std::string> simulated_profile;
  LocalTime measured_at;
  // A whole disc read instead of the test file (test_file is then its device).
  std::optional<WholeDisc> disc;
  // A CD's audio read as CD-DA (disc then says what was read), and what was found of it.
  std::optional<AudioFindings> audio;
  // The read speed asked for with --speed, and what the drive made of it.
  std::optional<SpeedRecord> speed = std::nullopt;
};

std::string CurveModeName(CurveMode mode);  // "quick" or "full"

// What the curve is of, for its report and chart: the drive with its device, the simulated
// profile, or failing both the test file.
std::string CurveTitle(const CurveSource& source);

// "2026-12-08 09:14": when a result was measured, as its report and chart say it.
std::string MinuteText(const LocalTime& time);

// The curve's JSON file: Vantric and Format as in a run's, what it was measured on, the
// summary, the shape and its rule, and the points.
std::string CurveJson(const std::vector<CurvePoint>& points, const CurveSource& source);

// {"Device", "Medium", "MediumFrom", "OneXBytesPerSecond", "Bytes", "Sectors"}; read as CD-DA
// also "ReadAs", "FirstSector", "C2ErrorSectors" and "C2Errors"; and with `scanned` what the
// read scan could not read: "UnreadableSectors" and "Unreadable".
std::string WholeDiscJson(const WholeDisc& disc, bool scanned);

}  // namespace vantric
