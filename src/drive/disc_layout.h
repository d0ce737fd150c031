#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vantric {

// One track of a disc's table of contents.
struct TocTrack {
  int number = 0;
  int session = 1;
  bool audio = false;  // CD-DA; otherwise a data track
  int64_t start = 0;   // its first sector
  int64_t length = 0;  // sectors, up to the next track or its session's lead-out
};

struct DiscToc {
  std::vector<TocTrack> tracks;
  int64_t lead_out = 0;  // where the last session's lead-out starts
  int sessions = 1;
};

// READ TOC format 0 in LBA form: the tracks, numbered and started, each as long as the space up
// to the next one; nothing for an answer that holds none.
std::optional<DiscToc> ParseToc(std::span<const uint8_t> data);
// READ TOC format 2, the full TOC: each track's session, and the lead-out of each session, which
// ends the session's last track before the gap to the next one. The TOC is kept as it was where
// the answer does not fit it.
void ApplyFullToc(std::span<const uint8_t> data, DiscToc& toc);

// What a read of a CD's audio covers: the first run of audio tracks that follow one another in
// a session, from the first one's start to the last one's end, pregaps between them included.
// Audio tracks after a data track that ends the run are left out, and named.
struct AudioSpan {
  int first_track = 0;
  int last_track = 0;
  int64_t first_sector = 0;
  int64_t sectors = 0;
  std::vector<int> not_read;
};
// Nothing for a disc without an audio track.
std::optional<AudioSpan> AudioSpanOf(const DiscToc& toc);

class Mmc;
struct MmcAnswer;
// Both from the drive; nothing, with the drive's answer to format 0 in *answer, when it gives no
// TOC.
std::optional<DiscToc> ReadDiscToc(Mmc& mmc, MmcAnswer* answer);

// READ DISC INFORMATION's status of the disc.
enum class DiscStatus { kBlank, kAppendable, kClosed, kOther };
std::string_view DiscStatusName(DiscStatus status);  // "blank", "appendable", "closed", "other"

struct DiscInformation {
  DiscStatus status = DiscStatus::kOther;
  bool erasable = false;
  int sessions = 0;
};
std::optional<DiscInformation> ParseDiscInformation(std::span<const uint8_t> data);

// READ CAPACITY: how many sectors the disc holds (the last one's address + 1) and their size.
struct Capacity {
  int64_t sectors = 0;
  uint32_t sector_bytes = 0;
};
std::optional<Capacity> ParseCapacity(std::span<const uint8_t> data);

// GET PERFORMANCE's nominal read performance: the rate at the first and last sector of the
// first descriptor, in kB/s of 1000 bytes.
struct ReadPerformance {
  uint32_t start_kbps = 0;
  uint32_t end_kbps = 0;
};
std::optional<ReadPerformance> ParsePerformance(std::span<const uint8_t> data);
// The fastest read speed of GET PERFORMANCE's speed descriptors (type 3), in kB/s of 1000
// bytes; nothing for an answer without one.
std::optional<uint32_t> ParseFastestRead(std::span<const uint8_t> data);

}  // namespace vantric
