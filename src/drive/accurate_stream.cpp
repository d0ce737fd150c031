#include "drive/accurate_stream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vantric {
namespace {

constexpr int32_t kFirstReadSectors = AudioReader::kMostSectorsPerRead;
constexpr int32_t kRereadSectors = 8;
// Re-reads start 1, 3, ... 15 sectors into the first read: each, shifted by up to a sector
// either way, still lies within it.
constexpr int kRereads = 8;
constexpr int64_t RereadStart(int reread) { return 1 + 2 * reread; }
static_assert(RereadStart(kRereads - 1) + kRereadSectors + 1 <= kFirstReadSectors);

bool Silent(std::span<const uint8_t> bytes) {
  return std::adjacent_find(bytes.begin(), bytes.end(), std::not_equal_to<>()) == bytes.end();
}

// Where `piece` lies in `first_read` against `expected` bytes in, in samples; the nearest match.
std::optional<int> LandingOf(std::span<const uint8_t> first_read, std::span<const uint8_t> piece,
                             int64_t expected) {
  for (int distance = 0; distance <= kAccurateStreamSearchSamples; ++distance) {
    for (const int shift : {distance, -distance}) {
      const int64_t at = expected + int64_t{shift} * kAudioSampleBytes;
      if (at < 0 ||
          at + static_cast<int64_t>(piece.size()) > static_cast<int64_t>(first_read.size()))
        continue;
      if (std::memcmp(first_read.data() + at, piece.data(), piece.size()) == 0) return shift;
      if (distance == 0) break;
    }
  }
  return std::nullopt;
}

}  // namespace

int AccurateStream::SpreadSamples() const {
  int low = 0, high = 0;
  for (const int offset : offsets) {
    low = std::min(low, offset);
    high = std::max(high, offset);
  }
  return high - low;
}

bool ReadAudioOnward(AudioReader& reader, int64_t first, int64_t count,
                     const std::function<bool()>& cancelled,
                     std::optional<AudioReadFailure>* failure) {
  for (int64_t at = first; at < first + count;) {
    if (cancelled && cancelled()) return false;
    const auto sectors = static_cast<int32_t>(
        std::min<int64_t>(first + count - at, AudioReader::kMostSectorsPerRead));
    const MmcAnswer answer = reader.Read(at, sectors);
    if (!answer.ok) {
      *failure = FailureOf(answer, at);
      return false;
    }
    at += sectors;
  }
  return true;
}

AccurateStream CheckAccurateStream(AudioReader& reader, std::span<const int64_t> places,
                                   int64_t flush_at, int64_t flush_sectors,
                                   const std::function<bool()>& cancelled) {
  AccurateStream result;
  std::vector<uint8_t> first_read(static_cast<size_t>(kFirstReadSectors) * kAudioSectorBytes);
  std::vector<uint8_t> piece(static_cast<size_t>(kRereadSectors) * kAudioSectorBytes);
  const auto gather = [&reader](std::span<uint8_t> out, int32_t sectors) {
    for (int32_t i = 0; i < sectors; ++i) {
      const std::span<const uint8_t> samples = reader.Samples(i);
      std::copy(samples.begin(), samples.end(), out.begin() + i * kAudioSectorBytes);
    }
  };
  const auto read = [&](int64_t lba, int32_t sectors) {
    const MmcAnswer answer = reader.Read(lba, sectors);
    if (!answer.ok) result.failure = FailureOf(answer, lba);
    return answer.ok;
  };

  std::optional<int64_t> place;
  for (const int64_t candidate : places) {
    if (cancelled && cancelled()) return result;
    if (!read(candidate, kFirstReadSectors)) {
      if (result.failure->no_medium) return result;
      continue;
    }
    gather(first_read, kFirstReadSectors);
    if (!Silent(first_read)) {
      place = candidate;
      break;
    }
  }
  if (!place) {
    result.problem = result.failure
                         ? "the stretches tried could not be read: " + result.failure->error
                         : "only silence where it was tried";
    return result;
  }
  result.failure.reset();
  result.first_sector = *place;
  for (int reread = 0; reread < kRereads; ++reread) {
    const bool flushed = flush_sectors <= 0 || ReadAudioOnward(reader, flush_at, flush_sectors,
                                                               cancelled, &result.failure);
    if (!flushed || (cancelled && cancelled()) ||
        !read(*place + RereadStart(reread), kRereadSectors)) {
      if (result.failure) result.problem = "a read failed: " + result.failure->error;
      return result;
    }
    gather(piece, kRereadSectors);
    ++result.rereads;
    const std::optional<int> landing =
        LandingOf(first_read, piece, RereadStart(reread) * kAudioSectorBytes);
    if (!landing) {
      ++result.off;
      ++result.unmatched;
      continue;
    }
    if (*landing != 0) ++result.off;
    result.offsets.push_back(*landing);
  }
  result.measured = true;
  return result;
}

}  // namespace vantric
