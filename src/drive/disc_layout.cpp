#include "drive/disc_layout.h"

#include <algorithm>
#include <map>

#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr uint8_t kLeadOutTrack = 0xAA;
// Points of the full TOC besides the tracks: a session's first and last track, its lead-out.
constexpr uint8_t kPointLeadOut = 0xA2;
constexpr int64_t kMsfOffset = 150;  // the two seconds before LBA 0

bool AudioControl(uint8_t adr_control) { return (adr_control & 0x04) == 0; }

int64_t MsfSector(uint8_t minute, uint8_t second, uint8_t frame) {
  return (int64_t{minute} * 60 + second) * 75 + frame - kMsfOffset;
}

}  // namespace

std::optional<DiscToc> ParseToc(std::span<const uint8_t> data) {
  if (data.size() < 4) return std::nullopt;
  const size_t end = std::min(data.size(), size_t{Be16(data, 0)} + 2);
  DiscToc toc;
  bool lead_out = false;
  for (size_t at = 4; at + 8 <= end; at += 8) {
    const uint8_t number = data[at + 2];
    const int64_t address = static_cast<int32_t>(Be32(data, at + 4));
    if (number == kLeadOutTrack) {
      toc.lead_out = address;
      lead_out = true;
    } else if (number >= 1 && number <= 99) {
      toc.tracks.push_back({number, 1, AudioControl(data[at + 1]), address, 0});
    }
  }
  if (toc.tracks.empty() || !lead_out) return std::nullopt;
  std::sort(toc.tracks.begin(), toc.tracks.end(),
            [](const TocTrack& a, const TocTrack& b) { return a.start < b.start; });
  for (size_t i = 0; i < toc.tracks.size(); ++i) {
    const int64_t next = i + 1 < toc.tracks.size() ? toc.tracks[i + 1].start : toc.lead_out;
    toc.tracks[i].length = std::max<int64_t>(0, next - toc.tracks[i].start);
  }
  return toc;
}

void ApplyFullToc(std::span<const uint8_t> data, DiscToc& toc) {
  if (data.size() < 4) return;
  const size_t end = std::min(data.size(), size_t{Be16(data, 0)} + 2);
  std::map<int, int> session_of_track;
  std::map<int, int64_t> lead_out_of_session;
  for (size_t at = 4; at + 11 <= end; at += 11) {
    const int session = data[at];
    const uint8_t point = data[at + 3];
    if (point >= 1 && point <= 99) {
      session_of_track[point] = session;
    } else if (point == kPointLeadOut) {
      lead_out_of_session[session] = MsfSector(data[at + 8], data[at + 9], data[at + 10]);
    }
  }
  for (const TocTrack& track : toc.tracks) {
    if (!session_of_track.contains(track.number)) return;
  }
  int sessions = 1;
  for (size_t i = 0; i < toc.tracks.size(); ++i) {
    TocTrack& track = toc.tracks[i];
    track.session = session_of_track[track.number];
    sessions = std::max(sessions, track.session);
    const bool last_of_session =
        i + 1 == toc.tracks.size() || session_of_track[toc.tracks[i + 1].number] != track.session;
    if (last_of_session && lead_out_of_session.contains(track.session)) {
      track.length = std::max<int64_t>(0, lead_out_of_session[track.session] - track.start);
    }
  }
  toc.sessions = sessions;
}

std::optional<AudioSpan> AudioSpanOf(const DiscToc& toc) {
  std::optional<AudioSpan> span;
  const TocTrack* last = nullptr;
  for (const TocTrack& track : toc.tracks) {
    if (!track.audio || track.length <= 0) {
      if (span) last = nullptr;
      continue;
    }
    const bool follows = last != nullptr && last->session == track.session &&
                         last->start + last->length == track.start;
    if (!span) {
      span = AudioSpan{track.number, track.number, track.start, track.length, {}};
    } else if (follows) {
      span->last_track = track.number;
      span->sectors = track.start + track.length - span->first_sector;
    } else {
      span->not_read.push_back(track.number);
      continue;
    }
    last = &track;
  }
  return span;
}

std::optional<DiscToc> ReadDiscToc(Mmc& mmc, MmcAnswer* answer) {
  // 99 tracks and the lead-out, 8 bytes each; the full TOC has 11-byte entries and a few more.
  constexpr uint16_t kTocBytes = 4 + 100 * 8;
  constexpr uint16_t kFullTocBytes = 4 + 110 * 11;
  *answer = mmc.Ask(ReadTocCdb(0, 1, kTocBytes), kTocBytes);
  std::optional<DiscToc> toc = answer->ok ? ParseToc(answer->data) : std::nullopt;
  if (!toc) return std::nullopt;
  const MmcAnswer full = mmc.Ask(ReadTocCdb(2, 1, kFullTocBytes), kFullTocBytes);
  if (full.ok) ApplyFullToc(full.data, *toc);
  return toc;
}

std::string_view DiscStatusName(DiscStatus status) {
  switch (status) {
    case DiscStatus::kBlank:
      return "blank";
    case DiscStatus::kAppendable:
      return "appendable";
    case DiscStatus::kClosed:
      return "closed";
    case DiscStatus::kOther:
      break;
  }
  return "other";
}

std::optional<DiscInformation> ParseDiscInformation(std::span<const uint8_t> data) {
  if (data.size() < 7) return std::nullopt;
  DiscInformation info;
  switch (data[2] & 0x03) {
    case 0:
      info.status = DiscStatus::kBlank;
      break;
    case 1:
      info.status = DiscStatus::kAppendable;
      break;
    case 2:
      info.status = DiscStatus::kClosed;
      break;
    default:
      info.status = DiscStatus::kOther;
  }
  info.erasable = (data[2] & 0x10) != 0;
  info.sessions = data[4] | (data.size() > 9 ? data[9] << 8 : 0);
  return info;
}

std::optional<Capacity> ParseCapacity(std::span<const uint8_t> data) {
  if (data.size() < 8) return std::nullopt;
  return Capacity{int64_t{Be32(data, 0)} + 1, Be32(data, 4)};
}

std::optional<ReadPerformance> ParsePerformance(std::span<const uint8_t> data) {
  if (data.size() < 8 + 16) return std::nullopt;
  return ReadPerformance{Be32(data, 12), Be32(data, 20)};
}

std::optional<uint32_t> ParseFastestRead(std::span<const uint8_t> data) {
  constexpr size_t kHeader = 8, kDescriptor = 16;
  if (data.size() < kHeader) return std::nullopt;
  const size_t end = std::min(data.size(), size_t{Be32(data, 0)} + 4);
  uint32_t fastest = 0;
  for (size_t at = kHeader; at + kDescriptor <= end; at += kDescriptor) {
    fastest = std::max(fastest, Be32(data, at + 8));
  }
  if (fastest == 0) return std::nullopt;
  return fastest;
}

}  // namespace vantric
