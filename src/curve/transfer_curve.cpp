#include "curve/transfer_curve.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vantric {
namespace {

constexpr int kStretchCount = 100;
constexpr int32_t kEngineSectorsPerRead = 8;  // 16 KB, the largest read the sector buffer serves
constexpr int64_t kQuickTimedBytes = 1 << 20;

// A stretch of a full curve can take most of a minute on a slow drive; a cancel must not wait
// for its end.
constexpr int kReadsBetweenYields = 32;  // 512 KB
// A stretch needs one sector to position the head (quick) or take the seek (full) and one to time.
constexpr int64_t kShortestFileSectors = 2;

// The test file, or the whole disc open in its place, in the engine's 16 KB reads.
class EngineReads : public CurveReads {
 public:
  explicit EngineReads(Engine& engine) : engine_(engine) {}

  int64_t Sectors() const override {
    return engine_.TestFile() ? std::max<int64_t>(engine_.TestFile()->Size() / SECTOR_SIZE, 0) : 0;
  }
  int SectorBytes() const override { return SECTOR_SIZE; }
  int32_t SectorsPerRead() const override { return kEngineSectorsPerRead; }
  bool ReadAt(int64_t sector) override {
    return engine_.ReadSectorAt(static_cast<int32_t>(sector));
  }
  bool ReadOnward(int32_t count) override { return engine_.ReadSequential(count); }
  const ReadFailure& Failure() const override { return engine_.FirstReadFailure(); }
  void ClearFailure() override { engine_.ClearReadFailure(); }
  std::string ErrorText(int error) const override {
    return engine_.TestFile() ? engine_.TestFile()->ErrorText(error) : "";
  }

 private:
  Engine& engine_;
};

// The sectors of a stretch that were timed, and the counts they took.
struct Tally {
  int64_t first = -1;
  int64_t end = 0;
  int64_t sectors = 0;
  int64_t counts = 0;

  void Add(int64_t from, int64_t to, int64_t took) {
    if (to <= from) return;
    if (first < 0) first = from;
    end = to;
    sectors += to - from;
    counts += took;
  }
};

enum class Probe { kReads, kFails, kStop };

class CurveRun {
 public:
  CurveRun(Engine& engine, CurveReads& reads, CurveMode mode, double one_x_kbps,
           const CurveProgress& progress, std::vector<CurvePoint>* points, ReadScan* scan)
      : engine_(engine),
        reads_(reads),
        clock_(engine.platform().clock),
        mode_(mode),
        one_x_kbps_(one_x_kbps),
        progress_(progress),
        points_(points),
        scan_(scan),
        layout_(CurveLayout::For(reads.Sectors(), reads.SectorsPerRead())),
        sectors_per_read_(reads.SectorsPerRead()),
        quick_timed_sectors_((kQuickTimedBytes + reads.SectorBytes() - 1) / reads.SectorBytes()) {}

  CurveOutcome Execute() {
    frequency_ = clock_.Frequency();
    if (frequency_ <= 0) return CurveOutcome::kNoCounter;
    engine_.CancelRequested = false;
    reads_.ClearFailure();
    points_->clear();
    if (scan_ != nullptr) *scan_ = ReadScan{};
    if (layout_.file_sectors < kShortestFileSectors) return CurveOutcome::kTooShort;
    for (int stretch = 0; stretch < layout_.stretches && !Stopped(); ++stretch) {
      const size_t measured = points_->size();
      if (!MeasureStretch(stretch)) break;
      // A last stretch of a single sector only positions the head and adds no point.
      if (progress_ && points_->size() > measured)
        progress_(static_cast<int>((stretch + 1) * 100 / layout_.stretches), points_->back().X());
      engine_.YieldToUI();
    }
    if (disc_gone_ || reads_.Failure().failed) return CurveOutcome::kReadFailed;
    if (engine_.CancelRequested) return CurveOutcome::kCancelled;
    return CurveOutcome::kCompleted;
  }

 private:
  bool Stopped() const { return engine_.CancelRequested || reads_.Failure().failed; }

  // Reads `count` sectors onward from the current position; false on a failure or a cancel.
  // With a clock, `done_at` gets its counter after every read that succeeds, so that the time
  // of a read that fails can be left out.
  bool ReadOnward(int64_t count, Clock* clock, int64_t* done_at) {
    for (int done = 1; count > 0; ++done) {
      const auto sectors = static_cast<int32_t>(std::min<int64_t>(count, sectors_per_read_));
      if (!reads_.ReadOnward(sectors)) return false;
      if (clock != nullptr) *done_at = clock->Counter();
      count -= sectors;
      if (done % kReadsBetweenYields == 0) {
        engine_.YieldToUI();
        if (Stopped()) return false;
      }
    }
    return true;
  }

  // Quick: an untimed read at the stretch's start positions the head, and the megabyte after it
  // is timed. Full: every sector is timed, but for the very first and the first after an
  // unreadable range, whose reads take the seek. False when the curve must end.
  bool MeasureStretch(int stretch) {
    const int64_t first = layout_.FirstSector(stretch);
    const int64_t stretch_end = first + layout_.SectorsIn(stretch);
    int64_t timed_end = stretch_end;
    if (mode_ == CurveMode::kQuick) {
      positioned_ = false;
      timed_end = std::min(stretch_end, first + 1 + quick_timed_sectors_);
    }
    Tally tally;
    for (int64_t at = first; at < timed_end;) {
      int64_t failed_end = at + 1;
      if (!positioned_) {
        if (reads_.ReadAt(at)) {
          last_readable_ = at++;
          positioned_ = true;
          continue;
        }
      } else {
        const int64_t start = clock_.Counter();
        int64_t done_at = start;
        if (ReadOnward(timed_end - at, scan_ ? &clock_ : nullptr, &done_at)) {
          tally.Add(at, timed_end, clock_.Counter() - start);
          last_readable_ = timed_end - 1;
          break;
        }
        if (!reads_.Failure().failed) return false;  // cancelled
        const int64_t failed_at = reads_.Failure().sector;
        tally.Add(at, failed_at, done_at - start);
        if (failed_at > at) last_readable_ = failed_at - 1;
        failed_end = std::min(failed_at + sectors_per_read_, timed_end);
      }
      if (scan_ == nullptr) return false;
      const std::optional<int64_t> after = MapUnreadable(failed_end, stretch_end);
      if (!after) return false;
      at = *after;
      positioned_ = false;
    }
    AddPoint(tally);
    return true;
  }

  void AddPoint(const Tally& tally) {
    if (tally.sectors == 0) return;
    const double seconds = static_cast<double>(tally.counts) / frequency_;
    const double sector_bytes = reads_.SectorBytes();
    const double middle_bytes = (tally.first + tally.end) / 2.0 * sector_bytes;
    const double file_bytes = static_cast<double>(layout_.file_sectors) * sector_bytes;
    points_->push_back(
        {middle_bytes / kBytesPerMb, middle_bytes / file_bytes * 100,
         seconds > 0 ? static_cast<double>(tally.sectors) * sector_bytes / 1024 / seconds : 0,
         one_x_kbps_});
  }

  // Maps the unreadable range that the failed read, up to `failed_end`, ran into; gives the
  // sector to go on from, or nothing when the scan must end (the disc gone, or a cancel).
  std::optional<int64_t> MapUnreadable(int64_t failed_end, int64_t stretch_end) {
    const ReadFailure failed = reads_.Failure();
    reads_.ClearFailure();
    probes_left_ = kReadsPerRange;
    deadline_ = clock_.Counter() + static_cast<int64_t>(kSecondsPerRange * frequency_);
    // A disc that no longer reads what it read before is gone, not damaged.
    if (last_readable_ >= 0 && ProbeSector(last_readable_) != Probe::kReads) {
      if (!engine_.CancelRequested) {
        scan_->failure = failed;
        disc_gone_ = true;
      }
      return std::nullopt;
    }
    Probe probe = Probe::kFails;
    int64_t bad = failed.sector;
    for (; bad < failed_end; ++bad) {
      probe = ProbeSector(bad);
      if (probe != Probe::kReads) break;
    }
    if (engine_.CancelRequested) return std::nullopt;
    // Each sector of the failed read read on its own: nothing to map.
    if (bad == failed_end) return failed_end;

    int64_t last_bad = bad;
    int64_t readable = stretch_end;  // the first sector seen to read, or the stretch's end
    for (int64_t step = 1; probe == Probe::kFails; step *= 2) {
      const int64_t at = std::min(last_bad + step, stretch_end - 1);
      if (at <= last_bad) break;
      probe = ProbeSector(at);
      if (probe == Probe::kReads) readable = at;
      if (probe == Probe::kFails) last_bad = at;
    }
    while (probe != Probe::kStop && readable - last_bad > 1) {
      const int64_t middle = last_bad + (readable - last_bad) / 2;
      probe = ProbeSector(middle);
      if (probe == Probe::kReads) readable = middle;
      if (probe == Probe::kFails) last_bad = middle;
    }
    if (engine_.CancelRequested) return std::nullopt;
    AddRange(bad, readable);
    return readable;
  }

  // One sector on its own, within what the range may still spend.
  Probe ProbeSector(int64_t sector) {
    engine_.YieldToUI();
    if (engine_.CancelRequested || probes_left_ <= 0 || clock_.Counter() >= deadline_) {
      return Probe::kStop;
    }
    --probes_left_;
    if (reads_.ReadAt(sector)) {
      last_readable_ = sector;
      return Probe::kReads;
    }
    reads_.ClearFailure();
    return Probe::kFails;
  }

  void AddRange(int64_t first, int64_t end) {
    std::vector<UnreadableRange>& ranges = scan_->unreadable;
    if (!ranges.empty() && ranges.back().end_sector == first) {
      ranges.back().end_sector = end;
    } else {
      ranges.push_back({first, end});
    }
  }

  Engine& engine_;
  CurveReads& reads_;
  Clock& clock_;
  CurveMode mode_;
  double one_x_kbps_;
  const CurveProgress& progress_;
  std::vector<CurvePoint>* points_;
  ReadScan* scan_;  // nullptr: the test file's curve, which a failed read ends
  CurveLayout layout_;
  int32_t sectors_per_read_;
  int64_t quick_timed_sectors_;
  double frequency_ = 0;
  bool positioned_ = false;  // the next read onward starts where the last one ended
  int64_t last_readable_ = -1;
  bool disc_gone_ = false;
  int probes_left_ = 0;
  int64_t deadline_ = 0;
};

}  // namespace

CurveLayout CurveLayout::For(int64_t sectors, int32_t sectors_per_read) {
  CurveLayout layout;
  layout.file_sectors = std::max<int64_t>(sectors, 0);
  if (layout.file_sectors == 0) return layout;
  // About a hundredth of the file, rounded up to whole reads.
  const int64_t hundredth = (layout.file_sectors + kStretchCount - 1) / kStretchCount;
  layout.stretch_sectors = (hundredth + sectors_per_read - 1) / sectors_per_read * sectors_per_read;
  layout.stretches =
      static_cast<int>((layout.file_sectors + layout.stretch_sectors - 1) / layout.stretch_sectors);
  return layout;
}

int64_t CurveLayout::SectorsIn(int stretch) const {
  return std::min(stretch_sectors, file_sectors - FirstSector(stretch));
}

CurveOutcome MeasureTransferCurve(Engine& engine, CurveMode mode, const CurveProgress& progress,
                                  std::vector<CurvePoint>* points) {
  EngineReads reads(engine);
  return CurveRun(engine, reads, mode, CurvePoint{}.one_x_kbps, progress, points, nullptr)
      .Execute();
}

CurveOutcome ScanWholeDisc(Engine& engine, CurveMode mode, double one_x_kbps,
                           const CurveProgress& progress, std::vector<CurvePoint>* points,
                           ReadScan* scan) {
  EngineReads reads(engine);
  return ScanCurveReads(engine, reads, mode, one_x_kbps, progress, points, scan);
}

CurveOutcome ScanCurveReads(Engine& engine, CurveReads& reads, CurveMode mode, double one_x_kbps,
                            const CurveProgress& progress, std::vector<CurvePoint>* points,
                            ReadScan* scan) {
  return CurveRun(engine, reads, mode, one_x_kbps, progress, points, scan).Execute();
}

}  // namespace vantric
