#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace vantric {

constexpr double kBytesPerMb = 1024.0 * 1024.0;

enum class CurveMode {
  kQuick,  // one timed megabyte out of every stretch
  kFull,   // every sector of the test file
};

// The read rate over one stretch of the test file.
struct CurvePoint {
  double position_mb = 0;       // middle of the timed sectors, in MB of 1,048,576 bytes
  double position_percent = 0;  // the same, in percent of the test file
  double kbps = 0;              // KB of 1024 bytes per second

  double X() const { return kbps / 150; }
};

enum class CurveOutcome {
  kCompleted,
  kNoCounter,   // no performance counter; nothing was read
  kCancelled,   // CancelRequested was seen
  kReadFailed,  // a read failed: Engine::ReadFailureMessage() says where and why
  kTooShort,    // the test file is too short to time a single stretch; nothing was read
};

// Progress after each stretch: percent of the stretches done, and the rate just measured in X.
using CurveProgress = std::function<void(int percent, double x)>;

// How the test file is cut into stretches of about 1 %, each a whole number of 16 KB reads.
struct CurveLayout {
  int64_t file_sectors = 0;
  int64_t stretch_sectors = 0;
  int stretches = 0;

  static CurveLayout For(int64_t file_bytes);
  int64_t FirstSector(int stretch) const { return stretch * stretch_sectors; }
  int64_t SectorsIn(int stretch) const;
};

// Reads the open test file from its first to its last stretch with the engine's 16 KB reads and
// times each stretch. The points measured so far stay in `points` whatever the outcome; only a
// completed curve is meant to be shown.
CurveOutcome MeasureTransferCurve(Engine& engine, CurveMode mode, const CurveProgress& progress,
                                  std::vector<CurvePoint>* points);

}  // namespace vantric
