#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drive/accurate_stream.h"
#include "drive/audio_cache.h"
#include "drive/capabilities.h"
#include "drive/disc_layout.h"
#include "drive/drive_speed.h"

namespace vantric {

// What the audio command found of a CD and its drive, besides the extraction speed and the
// ranges its curve mapped.
struct AudioFindings {
  DiscToc toc;
  // The audio tracks read: one run of them, the first to the last; those after a data track
  // that ends the run are not read.
  int first_track = 0;
  int last_track = 0;
  std::vector<int> tracks_not_read;
  // What the capabilities page claims; nothing when the drive does not give it.
  std::optional<Capabilities> claims;
  bool c2_read = false;    // the sectors were read with their C2 pointers
  std::string c2_refused;  // the drive claims them but refused to send them: its answer
  // --speed: "8X" or "max" as asked, and what the drive made of it.
  std::string speed_asked;
  SpeedOutcome speed;
  AccurateStream accurate;
  AudioCache cache;
};

}  // namespace vantric
