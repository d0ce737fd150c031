#pragma once

#include <optional>
#include <string>
#include <vector>

#include "curve/curve_summary.h"
#include "curve/transfer_curve.h"
#include "curve/whole_disc.h"
#include "platform/drives.h"
#include "platform/system.h"

namespace vantric {

// The file kinds --curve writes, chosen by the file name's extension.
enum class CurveFileKind { kCsv, kJson, kSvg };

// Nothing when the extension is none of .csv, .json and .svg (in any case).
std::optional<CurveFileKind> CurveFileKindOf(const std::string& path);

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
};

std::string CurveModeName(CurveMode mode);  // "quick" or "full"

// The contents of the --curve file.
std::string CurveFileText(CurveFileKind kind, const std::vector<CurvePoint>& points,
                          const CurveSource& source, double file_mb);

// The text report on stdout: start, end, average, minimum with its place, maximum, shape; for a
// whole disc also its medium and size and the ranges it could not read.
std::string CurveReportText(const std::vector<CurvePoint>& points, const CurveSource& source);

}  // namespace vantric
