#include "curve/audio_extraction.h"

#include <algorithm>

namespace vantric {
namespace {

// The audio span read through READ CD, its sectors counted from the span's first.
class AudioCurveReads : public CurveReads {
 public:
  AudioCurveReads(AudioReader& reader, int64_t first, int64_t sectors)
      : reader_(reader), first_(first), sectors_(sectors) {}

  int64_t Sectors() const override { return sectors_; }
  int SectorBytes() const override { return kAudioSectorBytes; }
  int32_t SectorsPerRead() const override { return AudioReader::kMostSectorsPerRead; }
  bool ReadAt(int64_t sector) override {
    next_ = sector;
    return ReadOnward(1);
  }
  bool ReadOnward(int32_t count) override {
    if (failure_.failed) return false;
    const int64_t at = next_;
    next_ += count;
    const MmcAnswer answer = reader_.Read(first_ + at, count);
    for (int32_t i = 0; i < reader_.Delivered(); ++i) {
      if (reader_.C2Flagged(i)) c2_sectors_.push_back(first_ + at + i);
    }
    if (answer.ok) return true;
    failures_.push_back(FailureOf(answer, first_ + at));
    failure_ = {true, static_cast<int32_t>(at), static_cast<int>(failures_.size() - 1)};
    return false;
  }
  const ReadFailure& Failure() const override { return failure_; }
  void ClearFailure() override { failure_ = ReadFailure{}; }
  std::string ErrorText(int error) const override { return failures_.at(error).error; }

  const AudioReadFailure& FailureNumbered(int error) const { return failures_.at(error); }
  // The sectors read with C2 errors, as ranges.
  std::vector<UnreadableRange> C2Ranges() {
    std::sort(c2_sectors_.begin(), c2_sectors_.end());
    std::vector<UnreadableRange> ranges;
    for (const int64_t sector : c2_sectors_) {
      if (!ranges.empty() && ranges.back().end_sector >= sector) {
        ranges.back().end_sector = std::max(ranges.back().end_sector, sector + 1);
      } else {
        ranges.push_back({sector, sector + 1});
      }
    }
    return ranges;
  }

 private:
  AudioReader& reader_;
  int64_t first_;
  int64_t sectors_;
  int64_t next_ = 0;
  ReadFailure failure_;
  std::vector<AudioReadFailure> failures_;  // every failure's words, by its `error`
  std::vector<int64_t> c2_sectors_;
};

}  // namespace

double CdDaOneXKbps() { return static_cast<double>(kCdDaOneXBytesPerSecond) / 1024; }

AudioExtraction ExtractAudio(Engine& engine, AudioReader& reader, int64_t first, int64_t sectors,
                             CurveMode mode, const CurveProgress& progress) {
  AudioCurveReads reads(reader, first, sectors);
  AudioExtraction extraction;
  ReadScan scan;
  extraction.outcome =
      ScanCurveReads(engine, reads, mode, CdDaOneXKbps(), progress, &extraction.points, &scan);
  for (const UnreadableRange& range : scan.unreadable) {
    extraction.unreadable.push_back({first + range.first_sector, first + range.end_sector});
  }
  extraction.c2_errors = reads.C2Ranges();
  if (extraction.outcome == CurveOutcome::kReadFailed && scan.failure.failed) {
    extraction.failure = reads.FailureNumbered(scan.failure.error);
  }
  return extraction;
}

}  // namespace vantric
