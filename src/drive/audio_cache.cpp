#include "drive/audio_cache.h"

#include <algorithm>
#include <array>

#include "drive/accurate_stream.h"

namespace vantric {
namespace {

constexpr int kTrials = 3;
// A re-read this much faster than a read from the disc came from memory.
constexpr double kCacheRatio = 3;
constexpr int64_t kShortestStretch = 2 * AudioReader::kMostSectorsPerRead;
// Up to 7 MB: more than drives set aside for audio.
constexpr int64_t kLongestStretch = kShortestStretch << 6;
constexpr int64_t kShortestSpan = 200;

double Median(std::array<double, kTrials> values) {
  std::sort(values.begin(), values.end());
  return values[kTrials / 2];
}

class CacheProbe {
 public:
  CacheProbe(AudioReader& reader, Clock& clock, const std::function<bool()>& cancelled,
             AudioCache& result)
      : reader_(reader), clock_(clock), cancelled_(cancelled), result_(result) {}

  // Reads `count` sectors from `first`, then times a read of `timed`; nothing when a read fails
  // or a cancel comes.
  std::optional<double> ReadThenTime(int64_t first, int64_t count, int64_t timed) {
    if (!ReadAudioOnward(reader_, first, count, cancelled_, &result_.failure)) return Stop();
    if (cancelled_ && cancelled_()) return Stop();
    const int64_t start = clock_.Counter();
    const MmcAnswer answer = reader_.Read(timed, 1);
    const int64_t end = clock_.Counter();
    if (!answer.ok) {
      result_.failure = FailureOf(answer, timed);
      return Stop();
    }
    return static_cast<double>(end - start) * 1000 / static_cast<double>(clock_.Frequency());
  }

 private:
  std::optional<double> Stop() {
    if (result_.failure) result_.problem = "a read failed: " + result_.failure->error;
    return std::nullopt;
  }

  AudioReader& reader_;
  Clock& clock_;
  const std::function<bool()>& cancelled_;
  AudioCache& result_;
};

}  // namespace

AudioCache CheckAudioCache(AudioReader& reader, Clock& clock, int64_t first, int64_t sectors,
                           const std::function<bool()>& cancelled) {
  AudioCache result;
  if (sectors < kShortestSpan) {
    result.problem = "too little audio on the disc";
    return result;
  }
  CacheProbe probe(reader, clock, cancelled, result);
  std::array<double, kTrials> rereads{}, disc_reads{};
  for (int trial = 0; trial < kTrials; ++trial) {
    const int64_t reread_at = first + sectors * (2 * trial + 1) / 10;
    const int64_t disc_at = reread_at + sectors / 20;
    const std::optional<double> reread =
        probe.ReadThenTime(reread_at, AudioReader::kMostSectorsPerRead, reread_at);
    if (!reread) return result;
    const std::optional<double> disc =
        probe.ReadThenTime(disc_at, AudioReader::kMostSectorsPerRead, disc_at - 1);
    if (!disc) return result;
    rereads[trial] = *reread;
    disc_reads[trial] = *disc;
  }
  result.reread_ms = Median(rereads);
  result.disc_ms = Median(disc_reads);
  result.caches = result.reread_ms * kCacheRatio < result.disc_ms;
  result.measured = true;
  if (!result.caches) return result;
  result.cached_sectors = AudioReader::kMostSectorsPerRead;  // as the trials read them

  // Each stretch where no read has been for a while: spread over the span, away from the
  // places just timed.
  const double threshold = (result.reread_ms + result.disc_ms) / 2;
  int64_t at = first;
  for (int64_t stretch = kShortestStretch; stretch <= kLongestStretch; stretch *= 2) {
    if (stretch + 1 > sectors) break;
    at = first + (at - first + sectors / 3) % (sectors - stretch);
    const std::optional<double> reread = probe.ReadThenTime(at, stretch, at);
    if (!reread) {
      result.measured = false;
      return result;
    }
    if (*reread >= threshold) {
      result.uncached_sectors = stretch;
      break;
    }
    result.cached_sectors = stretch;
  }
  return result;
}

}  // namespace vantric
