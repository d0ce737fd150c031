#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "medium.h"

namespace vantric::programmable {

struct TrackPlan {
  TrackMode mode = TrackMode::kData;
  int64_t sectors = 0;
  int64_t pregap = 0;
  int session = 1;
};

// A disc for the programmable drive to hold: a data track taken from an image (and padded
// with zeros, sparsely, to its length) and audio tracks of seeded noise.
struct DiscPlan {
  Profile profile = Profile::kCdRom;
  std::string data_from;  // the image the data track starts with; empty: zeros
  std::vector<TrackPlan> tracks;
  uint32_t seed = 1;
};

// Writes the image, then the description that names it by its file name.
void WriteTestMedium(const std::string& description, const std::string& image,
                     const DiscPlan& plan);

// The first `bytes` of audio track `track` (counted from 1) of a disc made with `seed`: 16-bit
// stereo noise.
std::vector<uint8_t> AudioTrackBytes(uint32_t seed, int track, size_t bytes);

}  // namespace vantric::programmable
