// The sectors: READ (10) and (12) of data sectors, READ CD of data and audio sectors with C2
// error pointers and sub-channel data.
#include <array>

#include "drive.h"

namespace vantric::programmable {
namespace {

// The fields of a READ CD reply, from its byte 9.
constexpr uint8_t kSync = 0x80;
constexpr uint8_t kHeader = 0x20;
constexpr uint8_t kUserData = 0x10;
constexpr uint8_t kEdcEcc = 0x08;
constexpr uint8_t kMainData = 0xF8;  // any field of the sector itself
constexpr uint8_t kAnyType = 0, kCdDaType = 1, kMode1Type = 2;
constexpr int kC2Bytes = kAudioSectorBytes / 8;

// The Q sub-channel of a sector, 12 bytes with its CRC: where it is on the disc.
std::array<uint8_t, 12> QSubchannel(const Track& track, int64_t lba) {
  const bool pause = lba < track.start;
  const int64_t relative = pause ? track.start - lba : lba - track.start;
  const Msf absolute = ToMsf(lba);
  std::array<uint8_t, 12> q = {
      static_cast<uint8_t>((track.mode == TrackMode::kData ? 0x40 : 0x00) | 0x01),
      Bcd(track.number),
      Bcd(pause ? 0 : 1),
      Bcd(static_cast<int>(relative / (60 * kFramesPerSecond))),
      Bcd(static_cast<int>(relative / kFramesPerSecond % 60)),
      Bcd(static_cast<int>(relative % kFramesPerSecond)),
      0,
      Bcd(absolute.minute),
      Bcd(absolute.second),
      Bcd(absolute.frame),
      0,
      0};
  // CRC-16 (x^16 + x^12 + x^5 + 1) over the ten bytes, stored inverted.
  uint16_t crc = 0;
  for (int i = 0; i < 10; ++i) {
    crc ^= static_cast<uint16_t>(q[i] << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = static_cast<uint16_t>(crc & 0x8000 ? crc << 1 ^ 0x1021 : crc << 1);
    }
  }
  crc = static_cast<uint16_t>(~crc);
  q[10] = static_cast<uint8_t>(crc >> 8);
  q[11] = static_cast<uint8_t>(crc);
  return q;
}

void Subchannel(Bytes& out, uint8_t selection, const Track& track, int64_t lba) {
  const std::array<uint8_t, 12> q = QSubchannel(track, lba);
  if (selection == 2) {
    out.Append(q).Zeros(4);
  } else if (selection == 1) {
    // Raw: one bit of each channel a byte, P (the pause flag) on top, then Q; R to W are blank.
    const uint8_t p = lba < track.start ? 0x80 : 0x00;
    for (int i = 0; i < 96; ++i) out.U8(p | ((q[i / 8] >> (7 - i % 8)) & 1) << 6);
  }
}

// C2 error pointers: a bit for each byte of the sector, set where it came back wrong.
void C2Pointers(Bytes& out, uint8_t field, const std::array<bool, kAudioSectorBytes>& damaged) {
  uint8_t any = 0;
  for (int i = 0; i < kC2Bytes; ++i) {
    uint8_t bits = 0;
    for (int bit = 0; bit < 8; ++bit) bits |= damaged[i * 8 + bit] ? 0x80 >> bit : 0;
    out.U8(bits);
    any |= bits;
  }
  if (field == 2) out.U8(any).U8(0);  // and the block's error byte
}

}  // namespace

void ProgrammableDrive::Read(Call& call) {
  const bool twelve = call.cdb()[0] == kRead12;
  const int64_t lba = Get32(call.cdb(), 2);
  const int64_t count = twelve ? Get32(call.cdb(), 6) : Get16(call.cdb(), 7);
  if (count == 0) return;
  if (lba + count > Capacity()) throw kLbaOutOfRange;
  for (int64_t sector = lba; sector < lba + count; ++sector) {
    const Track* track = medium_.TrackAt(sector);
    if (track == nullptr || track->mode != TrackMode::kData) throw kIllegalModeForTrack;
  }
  const double seconds = ReadTime(call, lba, count);
  const std::optional<int64_t> bad = medium_.FirstUnreadable(lba, count);
  const int64_t good = bad ? *bad - lba : count;
  std::vector<uint8_t>& data = call.reply.data_in;
  data.resize(static_cast<size_t>(good) * kDataSectorBytes);
  for (int64_t i = 0; i < good; ++i) medium_.ReadData(lba + i, data.data() + i * kDataSectorBytes);
  if (bad) {
    call.reply.seconds = seconds + BadReadSeconds();
    throw Sense{kMediumError, 0x11, 0x00, static_cast<uint32_t>(*bad)};
  }
}

void ProgrammableDrive::ReadCd(Call& call) {
  if (!IsCd(medium_.profile())) throw kIncompatibleFormat;
  const uint8_t expected = call.cdb()[1] >> 2 & 0x07;
  const int64_t lba = Get32(call.cdb(), 2);
  const int64_t count = Get24(call.cdb(), 6);
  const uint8_t fields = call.cdb()[9];
  const uint8_t c2 = fields >> 1 & 0x03;
  const uint8_t subchannel = call.cdb()[10] & 0x07;
  if (expected > 5 || c2 == 3 || (c2 != 0 && !drive_.c2_pointers) || subchannel > 2) {
    throw kInvalidFieldInCdb;
  }
  if (count == 0) return;
  if (lba + count > Capacity()) throw kLbaOutOfRange;
  bool audio_asked = false;
  bool all_audio = true;
  for (int64_t sector = lba; sector < lba + count; ++sector) {
    const Track* track = medium_.TrackAt(sector);
    if (track == nullptr) throw kIllegalModeForTrack;
    const bool audio = track->mode == TrackMode::kAudio;
    if (expected != kAnyType && expected != (audio ? kCdDaType : kMode1Type)) {
      throw kIllegalModeForTrack;
    }
    // The error-correction bytes of data sectors are not made here.
    if (!audio && (fields & kEdcEcc)) throw kInvalidFieldInCdb;
    audio_asked = audio_asked || audio;
    all_audio = all_audio && audio;
  }
  // Audio in memory comes back without the disc: no seek, no read, the same samples as before.
  const int64_t cache_sectors = int64_t{drive_.audio_cache_kb} * 1024 / kAudioSectorBytes;
  const bool cached = all_audio && cache_sectors > 0 && lba >= audio_cached_first_ &&
                      lba + count <= audio_cached_end_;
  double seconds = 0;
  int64_t good = count;
  std::optional<int64_t> bad;
  // A drive without an accurate stream lands a few samples off on every read, one way and
  // then the other, so that reads do not join.
  int64_t shift = 0;
  if (cached) {
    shift = audio_cached_shift_;
    if (drive_.interface_kbps > 0) {
      seconds = static_cast<double>(count) * kAudioSectorBytes / 1024 / drive_.interface_kbps;
    }
    call.reply.seconds = seconds;
  } else {
    seconds = ReadTime(call, lba, count);
    bad = medium_.FirstUnreadable(lba, count);
    good = bad ? *bad - lba : count;
    if (audio_asked && drive_.audio_jitter_samples != 0) {
      shift =
          (audio_reads_++ % 2 == 0 ? 1 : -1) * int64_t{drive_.audio_jitter_samples} * kSampleBytes;
    }
    if (all_audio && cache_sectors > 0 && good > 0) {
      const bool joins = audio_cached_end_ > audio_cached_first_ && lba >= audio_cached_first_ &&
                         lba <= audio_cached_end_;
      if (!joins) audio_cached_first_ = lba;
      audio_cached_end_ = std::max(joins ? audio_cached_end_ : 0, lba + good);
      audio_cached_first_ = std::max(audio_cached_first_, audio_cached_end_ - cache_sectors);
      audio_cached_shift_ = shift;
    }
  }
  Bytes out;
  std::array<uint8_t, kAudioSectorBytes> sector_bytes;
  std::array<bool, kAudioSectorBytes> damaged;
  for (int64_t sector = lba; sector < lba + good; ++sector) {
    const Track& track = *medium_.TrackAt(sector);
    damaged.fill(false);
    if (track.mode == TrackMode::kAudio) {
      medium_.ReadAudio(sector * kAudioSectorBytes + shift, kAudioSectorBytes, sector_bytes.data(),
                        damaged.data());
      if (fields & kMainData) out.Append(sector_bytes);
    } else {
      if (fields & kSync) out.U8(0).U32(0xFFFFFFFF).U32(0xFFFFFFFF).U16(0xFFFF).U8(0);
      if (fields & kHeader) {
        const Msf time = ToMsf(sector);
        out.U8(Bcd(time.minute)).U8(Bcd(time.second)).U8(Bcd(time.frame)).U8(0x01);
      }
      if (fields & kUserData) {
        medium_.ReadData(sector, sector_bytes.data());
        out.Append(std::span(sector_bytes).first(kDataSectorBytes));
      }
    }
    if (c2 != 0) C2Pointers(out, c2, damaged);
    Subchannel(out, subchannel, track, sector);
  }
  call.reply.data_in = std::move(out.data());
  if (bad) {
    call.reply.seconds = seconds + BadReadSeconds();
    throw Sense{kMediumError, 0x11, 0x00, static_cast<uint32_t>(*bad)};
  }
}

double ProgrammableDrive::BadReadSeconds() const {
  // The drive tries as often as the error recovery page lets it.
  return drive_.bad_read_seconds * (read_retries_ + 1) / (kDefaultReadRetries + 1);
}

}  // namespace vantric::programmable
