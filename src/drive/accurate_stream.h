#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drive/audio_reader.h"

namespace vantric {

// Whether a drive returns the same samples for the same address however a read gets there:
// a stretch read in one go, then read again in pieces that start at other sectors, each piece
// looked for in the first read within a sector's worth of samples either way.
struct AccurateStream {
  bool measured = false;
  std::string problem;  // why it was not, when it was not
  std::optional<AudioReadFailure> failure;
  int64_t first_sector = 0;  // where the stretch compared starts
  int rereads = 0;
  int off = 0;        // re-reads that did not land where the first read did
  int unmatched = 0;  // of those, the ones found nowhere within the search
  // Each matched re-read's landing against the first read's, in samples (later is positive).
  std::vector<int> offsets;

  bool Accurate() const { return measured && off == 0; }
  // From the earliest landing to the latest, the first read's included.
  int SpreadSamples() const;
};

inline constexpr int kAccurateStreamSearchSamples = kAudioSamplesPerSector;

// `places`: where to try, in turn, until one holds sound rather than silence (which matches
// anywhere); each needs AudioReader::kMostSectorsPerRead sectors of audio. `flush_sectors`
// read elsewhere (`flush_at`) before each re-read keep a drive that caches audio from serving
// the re-read from its memory. `cancelled` is asked between reads.
AccurateStream CheckAccurateStream(AudioReader& reader, std::span<const int64_t> places,
                                   int64_t flush_at, int64_t flush_sectors,
                                   const std::function<bool()>& cancelled);

// Reads `count` sectors from `first` in reads as large as the reader takes; false, with the
// failure, when one fails or `cancelled` says so.
bool ReadAudioOnward(AudioReader& reader, int64_t first, int64_t count,
                     const std::function<bool()>& cancelled,
                     std::optional<AudioReadFailure>* failure);

}  // namespace vantric
