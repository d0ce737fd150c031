#include "medium.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace vantric::programmable {
namespace {

constexpr std::array<std::pair<std::string_view, Profile>, 4> kProfileNames = {{
    {"cd-rom", Profile::kCdRom},
    {"cd-r", Profile::kCdR},
    {"dvd-rom", Profile::kDvdRom},
    {"bd-rom", Profile::kBdRom},
}};

bool InRanges(const std::vector<std::pair<int64_t, int64_t>>& ranges, int64_t lba) {
  return std::any_of(ranges.begin(), ranges.end(), [lba](const auto& range) {
    return lba >= range.first && lba <= range.second;
  });
}

// Every eighth sample of a damaged sector comes back wrong.
constexpr int kDamagedSampleEvery = 8;
constexpr uint8_t kDamage = 0xA5;

}  // namespace

std::optional<Profile> ProfileNamed(std::string_view name) {
  for (const auto& [profile_name, profile] : kProfileNames) {
    if (profile_name == name) return profile;
  }
  return std::nullopt;
}

std::string_view ProfileName(Profile profile) {
  for (const auto& [name, named] : kProfileNames) {
    if (named == profile) return name;
  }
  return "";
}

bool IsCd(Profile profile) { return profile == Profile::kCdRom || profile == Profile::kCdR; }

Medium Medium::Load(const std::string& path) {
  return Parse(ReadSettings(path), std::filesystem::path(path).parent_path().string());
}

Medium Medium::Parse(const std::vector<Setting>& settings, const std::string& directory) {
  Medium medium;
  std::string image;
  int64_t next_sector = 0;
  int64_t image_offset = 0;
  for (const Setting& setting : settings) {
    if (setting.key == "profile") {
      const std::optional<Profile> profile = ProfileNamed(setting.value);
      if (!profile) setting.Fail("cd-rom, cd-r, dvd-rom or bd-rom expected");
      medium.profile_ = *profile;
    } else if (setting.key == "image") {
      image = setting.value;
    } else if (setting.key == "track") {
      const std::vector<std::string> words = setting.Words();
      if (words.size() < 2 || (words[0] != "data" && words[0] != "audio")) {
        setting.Fail("data|audio SECTORS [pregap=N] [session=N] expected");
      }
      Track track;
      track.number = static_cast<int>(medium.tracks_.size()) + 1;
      track.mode = words[0] == "audio" ? TrackMode::kAudio : TrackMode::kData;
      track.sectors = setting.Integer(words[1]);
      track.session = medium.tracks_.empty() ? 1 : medium.tracks_.back().session;
      int64_t pregap = 0;
      for (size_t i = 2; i < words.size(); ++i) {
        if (words[i].starts_with("pregap=")) {
          pregap = setting.Integer(words[i].substr(7));
        } else if (words[i].starts_with("session=")) {
          const int64_t session = setting.Integer(words[i].substr(8));
          if (session != track.session && session != track.session + 1) {
            setting.Fail("sessions follow each other");
          }
          track.session = static_cast<int>(session);
        } else {
          setting.Fail("unknown: " + words[i]);
        }
      }
      if (track.sectors <= 0 || pregap < 0) setting.Fail("sectors expected");
      // The first track's pause lies before sector 0.
      if (track.number == 1 && pregap != 0) setting.Fail("the first track has no pregap here");
      if (!medium.tracks_.empty() && track.session != medium.tracks_.back().session) {
        next_sector += kSessionGapSectors;
      }
      track.pregap_start = next_sector;
      track.start = next_sector + pregap;
      track.image_offset = image_offset;
      next_sector = track.end();
      image_offset += track.sectors * track.SectorBytes();
      medium.tracks_.push_back(track);
    } else if (setting.key == "unreadable") {
      medium.unreadable_.push_back(setting.Range());
    } else if (setting.key == "damaged") {
      medium.damaged_.push_back(setting.Range());
    } else {
      setting.Fail("unknown setting");
    }
  }
  if (medium.tracks_.empty()) throw std::runtime_error("a medium needs a track");
  if (!IsCd(medium.profile_) &&
      (medium.tracks_.size() != 1 || medium.tracks_[0].mode != TrackMode::kData)) {
    throw std::runtime_error("a DVD or BD holds one data track here");
  }
  if (image.empty()) throw std::runtime_error("a medium needs an image");
  // (An absolute image path stays as it is.)
  const std::filesystem::path image_path = std::filesystem::path(directory) / image;
  medium.image_ = open(image_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (medium.image_ < 0) throw std::runtime_error(image_path.string() + ": cannot be opened");
  return medium;
}

Medium::Medium(Medium&& other) noexcept { *this = std::move(other); }

Medium& Medium::operator=(Medium&& other) noexcept {
  std::swap(profile_, other.profile_);
  std::swap(tracks_, other.tracks_);
  std::swap(unreadable_, other.unreadable_);
  std::swap(damaged_, other.damaged_);
  std::swap(image_, other.image_);
  return *this;
}

Medium::~Medium() {
  if (image_ >= 0) close(image_);
}

const Track& Medium::FirstTrackOf(int session) const {
  return *std::find_if(tracks_.begin(), tracks_.end(),
                       [session](const Track& track) { return track.session == session; });
}

const Track* Medium::TrackAt(int64_t lba) const {
  for (const Track& track : tracks_) {
    if (lba >= track.pregap_start && lba < track.end()) return &track;
  }
  return nullptr;
}

std::optional<int64_t> Medium::FirstUnreadable(int64_t first, int64_t count) const {
  std::optional<int64_t> found;
  for (const auto& [bad_first, bad_last] : unreadable_) {
    if (bad_first < first + count && bad_last >= first) {
      const int64_t at = std::max(first, bad_first);
      if (!found || at < *found) found = at;
    }
  }
  return found;
}

void Medium::ReadImage(int64_t offset, size_t count, uint8_t* out) const {
  // Past the image's end (a sparse disc cut short) the disc holds zeros.
  std::memset(out, 0, count);
  size_t done = 0;
  while (done < count) {
    const ssize_t got = pread(image_, out + done, count - done, offset + static_cast<off_t>(done));
    if (got <= 0) return;
    done += static_cast<size_t>(got);
  }
}

void Medium::ReadData(int64_t lba, uint8_t* out) const {
  const Track* track = TrackAt(lba);
  if (track == nullptr || track->mode != TrackMode::kData || lba < track->start) {
    std::memset(out, 0, kDataSectorBytes);
    return;
  }
  ReadImage(track->image_offset + (lba - track->start) * kDataSectorBytes, kDataSectorBytes, out);
}

void Medium::ReadAudio(int64_t position, size_t count, uint8_t* out, bool* damaged) const {
  size_t done = 0;
  while (done < count) {
    const int64_t at = position + static_cast<int64_t>(done);
    // Floor division: a stream read a few samples early starts before sector 0.
    const int64_t lba = at >= 0 ? at / kAudioSectorBytes : -((-at - 1) / kAudioSectorBytes) - 1;
    const int64_t within = at - lba * kAudioSectorBytes;
    const size_t piece = std::min(count - done, static_cast<size_t>(kAudioSectorBytes - within));
    const Track* track = lba >= 0 ? TrackAt(lba) : nullptr;
    const bool audio = track != nullptr && track->mode == TrackMode::kAudio && lba >= track->start;
    if (audio) {
      ReadImage(track->image_offset + (lba - track->start) * kAudioSectorBytes + within, piece,
                out + done);
    } else {
      std::memset(out + done, 0, piece);
    }
    const bool spoiled = audio && InRanges(damaged_, lba);
    for (size_t i = 0; i < piece; ++i) {
      const bool hit =
          spoiled && (within + static_cast<int64_t>(i)) / kSampleBytes % kDamagedSampleEvery == 0;
      if (hit) out[done + i] ^= kDamage;
      if (damaged != nullptr) damaged[done + i] = hit;
    }
    done += piece;
  }
}

}  // namespace vantric::programmable
