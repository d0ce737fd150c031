#include "curve/transfer_curve.h"

#include <algorithm>
#include <cmath>

namespace vantric {
namespace {

constexpr int kStretchCount = 100;
constexpr int32_t kSectorsPerRead = 8;       // 16 KB, the largest read the sector buffer serves
constexpr int64_t kQuickTimedSectors = 512;  // 1 MB
constexpr double kKilobytesPerSector = 2;

// A stretch of a full curve can take most of a minute on a slow drive; a cancel must not wait
// for its end.
constexpr int kReadsBetweenYields = 32;  // 512 KB
// A stretch needs one sector to position the head (quick) or take the seek (full) and one to time.
constexpr int64_t kShortestFileSectors = 2;

// Reads `count` sectors onward from the current position in 16 KB reads; false on a failure or
// a cancel.
bool ReadOnward(Engine& engine, int64_t count) {
  for (int reads = 1; count > 0; ++reads) {
    const auto sectors = static_cast<int32_t>(std::min<int64_t>(count, kSectorsPerRead));
    if (!engine.ReadSequential(sectors)) return false;
    count -= sectors;
    if (reads % kReadsBetweenYields == 0) {
      engine.YieldToUI();
      if (engine.StopRequested()) return false;
    }
  }
  return true;
}

class CurveRun {
 public:
  CurveRun(Engine& engine, CurveMode mode, const CurveProgress& progress,
           std::vector<CurvePoint>* points)
      : engine_(engine),
        clock_(engine.platform().clock),
        mode_(mode),
        progress_(progress),
        points_(points),
        layout_(CurveLayout::For(engine.TestFile() ? engine.TestFile()->Size() : 0)) {}

  CurveOutcome Execute() {
    frequency_ = clock_.Frequency();
    if (frequency_ <= 0) return CurveOutcome::kNoCounter;
    engine_.CancelRequested = false;
    engine_.ClearReadFailure();
    points_->clear();
    if (layout_.file_sectors < kShortestFileSectors) return CurveOutcome::kTooShort;
    // A full curve reads on from sector 0 without a break; its first read takes the seek.
    if (mode_ == CurveMode::kFull) engine_.ReadSectorAt(0);
    for (int stretch = 0; stretch < layout_.stretches && !engine_.StopRequested(); ++stretch) {
      const size_t measured = points_->size();
      if (!MeasureStretch(stretch)) break;
      // A last stretch of a single sector only positions the head and adds no point.
      if (progress_ && points_->size() > measured)
        progress_(static_cast<int>((stretch + 1) * 100 / layout_.stretches), points_->back().X());
      engine_.YieldToUI();
    }
    if (engine_.FirstReadFailure().failed) return CurveOutcome::kReadFailed;
    if (engine_.CancelRequested) return CurveOutcome::kCancelled;
    return CurveOutcome::kCompleted;
  }

 private:
  bool MeasureStretch(int stretch) {
    int64_t first = layout_.FirstSector(stretch);
    int64_t count = layout_.SectorsIn(stretch);
    if (mode_ == CurveMode::kFull) {
      // Sector 0 was read before the first stretch.
      if (stretch == 0) ++first, --count;
    } else {
      // The untimed read positions the head; the megabyte after it is timed.
      if (!engine_.ReadSectorAt(static_cast<int32_t>(first))) return false;
      ++first;
      count = std::min(count - 1, kQuickTimedSectors);
    }
    if (count <= 0) return true;
    const int64_t start = clock_.Counter();
    if (!ReadOnward(engine_, count)) return false;
    const double seconds = static_cast<double>(clock_.Counter() - start) / frequency_;
    const double middle_bytes = (first + count / 2.0) * SECTOR_SIZE;
    const double file_bytes = static_cast<double>(layout_.file_sectors) * SECTOR_SIZE;
    points_->push_back({middle_bytes / kBytesPerMb, middle_bytes / file_bytes * 100,
                        seconds > 0 ? count * kKilobytesPerSector / seconds : 0});
    return true;
  }

  Engine& engine_;
  Clock& clock_;
  CurveMode mode_;
  const CurveProgress& progress_;
  std::vector<CurvePoint>* points_;
  CurveLayout layout_;
  double frequency_ = 0;
};

}  // namespace

CurveLayout CurveLayout::For(int64_t file_bytes) {
  CurveLayout layout;
  layout.file_sectors = std::max<int64_t>(file_bytes / SECTOR_SIZE, 0);
  if (layout.file_sectors == 0) return layout;
  // About a hundredth of the file, rounded up to whole 16 KB reads.
  const int64_t hundredth = (layout.file_sectors + kStretchCount - 1) / kStretchCount;
  layout.stretch_sectors = (hundredth + kSectorsPerRead - 1) / kSectorsPerRead * kSectorsPerRead;
  layout.stretches =
      static_cast<int>((layout.file_sectors + layout.stretch_sectors - 1) / layout.stretch_sectors);
  return layout;
}

int64_t CurveLayout::SectorsIn(int stretch) const {
  return std::min(stretch_sectors, file_sectors - FirstSector(stretch));
}

CurveOutcome MeasureTransferCurve(Engine& engine, CurveMode mode, const CurveProgress& progress,
                                  std::vector<CurvePoint>* points) {
  return CurveRun(engine, mode, progress, points).Execute();
}

}  // namespace vantric
