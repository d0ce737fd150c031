#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "drive/audio_reader.h"
#include "platform/clock.h"

namespace vantric {

// Whether a drive serves a re-read of audio it has just read from its memory rather than from
// the disc: a careful ripper's second read then proves nothing. The re-read of a sector is
// timed against the read of the sector just before a stretch read the same way, which no
// cache holds; for a drive that caches, ever longer stretches are read before the re-read
// until its first sector is no longer served from memory.
struct AudioCache {
  bool measured = false;
  std::string problem;
  std::optional<AudioReadFailure> failure;
  bool caches = false;
  double reread_ms = 0;  // the median re-read
  double disc_ms = 0;    // the median read from the disc
  // The longest stretch after which its first sector still came from the cache, and the
  // shortest after which it did not (0: none of those tried), in sectors.
  int64_t cached_sectors = 0;
  int64_t uncached_sectors = 0;
};

// The span of audio to read in: from `first`, `sectors` long; it must hold a few thousand
// sectors for the size to be found. `cancelled` is asked between reads.
AudioCache CheckAudioCache(AudioReader& reader, Clock& clock, int64_t first, int64_t sectors,
                           const std::function<bool()>& cancelled);

}  // namespace vantric
