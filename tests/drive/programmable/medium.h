#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings.h"

namespace vantric::programmable {

// The disc's kind as GET CONFIGURATION names it: its profile number.
enum class Profile : uint16_t {
  kCdRom = 0x0008,
  kCdR = 0x0009,
  kDvdRom = 0x0010,
  kBdRom = 0x0040,
};
std::optional<Profile> ProfileNamed(std::string_view name);  // "cd-rom", "cd-r", ...
std::string_view ProfileName(Profile profile);
bool IsCd(Profile profile);

enum class TrackMode { kData, kAudio };

inline constexpr int kDataSectorBytes = 2048;
inline constexpr int kAudioSectorBytes = 2352;
inline constexpr int kSampleBytes = 4;  // 16-bit stereo
// The lead-out of a first session and the lead-in of the next, between their tracks.
inline constexpr int64_t kSessionGapSectors = 6750 + 4500;

struct Track {
  int number = 0;
  int session = 1;
  TrackMode mode = TrackMode::kData;
  int64_t pregap_start = 0;  // index 0: the pause before the track, silence
  int64_t start = 0;         // index 1
  int64_t sectors = 0;       // from `start` on
  int64_t image_offset = 0;  // where the bytes of its first sector are in the image

  int64_t end() const { return start + sectors; }
  int SectorBytes() const {
    return mode == TrackMode::kAudio ? kAudioSectorBytes : kDataSectorBytes;
  }
};

// A disc: its tracks, stored track after track in one image (user data of data sectors, all
// 2,352 bytes of audio sectors; pregaps are not stored), and its flaws.
//
// Described by lines such as:
//   profile = cd-rom
//   image = mixed.img              (relative to the description)
//   track = data 20000
//   track = audio 1500 pregap=150  (also session=2)
//   unreadable = 9000-9099         (MEDIUM ERROR on every read of them)
//   damaged = 21000-21009          (audio sectors whose samples come back damaged, C2 flagged)
class Medium {
 public:
  static Medium Load(const std::string& path);
  // `directory` is where a relative image path starts from.
  static Medium Parse(const std::vector<Setting>& settings, const std::string& directory);

  Medium(Medium&& other) noexcept;
  Medium& operator=(Medium&& other) noexcept;
  Medium(const Medium&) = delete;
  Medium& operator=(const Medium&) = delete;
  ~Medium();

  Profile profile() const { return profile_; }
  const std::vector<Track>& tracks() const { return tracks_; }
  int sessions() const { return tracks_.back().session; }
  // The first sector after the last track, where the lead-out starts.
  int64_t lead_out() const { return tracks_.back().end(); }
  // The first track of a session that exists.
  const Track& FirstTrackOf(int session) const;
  // The track whose pregap or body holds the sector; nullptr between sessions.
  const Track* TrackAt(int64_t lba) const;
  // The first sector from `first` on, of `count`, that cannot be read.
  std::optional<int64_t> FirstUnreadable(int64_t first, int64_t count) const;

  // The 2,048 bytes of a data sector; zeros in a pregap.
  void ReadData(int64_t lba, uint8_t* out) const;
  // `count` bytes of the disc's audio stream from byte `position` (sector * 2,352 + offset):
  // silence outside the audio tracks. Where damaged sectors spoil bytes, `damaged` (when
  // given, `count` long) says which.
  void ReadAudio(int64_t position, size_t count, uint8_t* out, bool* damaged) const;

 private:
  Medium() = default;
  void ReadImage(int64_t offset, size_t count, uint8_t* out) const;

  Profile profile_ = Profile::kCdRom;
  std::vector<Track> tracks_;
  std::vector<std::pair<int64_t, int64_t>> unreadable_;
  std::vector<std::pair<int64_t, int64_t>> damaged_;
  int image_ = -1;
};

}  // namespace vantric::programmable
