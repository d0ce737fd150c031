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

// The read rate over one stretch of the test file or the disc.
struct CurvePoint {
  double position_mb = 0;       // middle of the timed sectors, in MB of 1,048,576 bytes
  double position_percent = 0;  // the same, in percent of the test file
  double kbps = 0;              // KB of 1024 bytes per second
  // What 1X is in KB/s: a CD's 150 for the test disc, the medium's own for a whole disc.
  double one_x_kbps = 150;

  double X() const { return kbps / one_x_kbps; }
};

// Sectors of a whole disc that could not be read: from `first_sector` up to, not including,
// `end_sector`.
struct UnreadableRange {
  int64_t first_sector = 0;
  int64_t end_sector = 0;
};

// What a read scan finds besides the rates.
struct ReadScan {
  std::vector<UnreadableRange> unreadable;  // in disc order, never two that touch
  // With kReadFailed: the failed read after which the disc read nothing it had read before.
  ReadFailure failure;
};

// How hard a read scan tries to find where an unreadable range ends: a drive may take seconds
// over every read it cannot make.
inline constexpr int kReadsPerRange = 64;
inline constexpr double kSecondsPerRange = 60;

enum class CurveOutcome {
  kCompleted,
  kNoCounter,   // no performance counter; nothing was read
  kCancelled,   // CancelRequested was seen
  kReadFailed,  // a read failed: Engine::ReadFailureMessage() says where and why
  kTooShort,    // the test file is too short to time a single stretch; nothing was read
};

// Progress after each stretch: percent of the stretches done, and the rate just measured in X.
using CurveProgress = std::function<void(int percent, double x)>;

// What a curve reads, sector after sector: the test file or a whole disc through the engine, or
// a disc's audio tracks through the drive's own commands.
class CurveReads {
 public:
  virtual ~CurveReads() = default;

  virtual int64_t Sectors() const = 0;
  virtual int SectorBytes() const = 0;
  // The most sectors one read takes; a stretch is a whole number of such reads.
  virtual int32_t SectorsPerRead() const = 0;
  // One sector at `sector`; the next ReadOnward goes on after it.
  virtual bool ReadAt(int64_t sector) = 0;
  // `count` sectors, 1 to SectorsPerRead(), from where the last read ended.
  virtual bool ReadOnward(int32_t count) = 0;
  // The first read that failed since the last ClearFailure; after it no read reaches the drive.
  virtual const ReadFailure& Failure() const = 0;
  virtual void ClearFailure() = 0;
  // The wording of a failure's `error`.
  virtual std::string ErrorText(int error) const = 0;
};

// How what a curve reads is cut into stretches of about 1 %, each a whole number of reads.
struct CurveLayout {
  int64_t file_sectors = 0;
  int64_t stretch_sectors = 0;
  int stretches = 0;

  static CurveLayout For(int64_t sectors, int32_t sectors_per_read);
  int64_t FirstSector(int stretch) const { return stretch * stretch_sectors; }
  int64_t SectorsIn(int stretch) const;
};

// Reads the open test file from its first to its last stretch with the engine's 16 KB reads and
// times each stretch. The points measured so far stay in `points` whatever the outcome; only a
// completed curve is meant to be shown.
CurveOutcome MeasureTransferCurve(Engine& engine, CurveMode mode, const CurveProgress& progress,
                                  std::vector<CurvePoint>* points);

// The same curve over a whole disc, open in the engine in place of the test file, in X of
// `one_x_kbps`; a read that fails ends it only when the disc no longer reads at all (pulled out).
// Any other failure is a range to map: the first sector of the failed read that does not read,
// then single sectors ever further on (1, 2, 4, ... sectors) until one reads, then halving back
// to the first that does; all within the stretch, and within kReadsPerRange reads and
// kSecondsPerRange seconds, after which the sectors not seen to read count as unreadable up to
// the first that did or the end of the stretch. Reading goes on after the range.
CurveOutcome ScanWholeDisc(Engine& engine, CurveMode mode, double one_x_kbps,
                           const CurveProgress& progress, std::vector<CurvePoint>* points,
                           ReadScan* scan);

// The read scan of whatever `reads` reads, with the engine's clock, pacing and cancel.
CurveOutcome ScanCurveReads(Engine& engine, CurveReads& reads, CurveMode mode, double one_x_kbps,
                            const CurveProgress& progress, std::vector<CurvePoint>* points,
                            ReadScan* scan);

}  // namespace vantric
