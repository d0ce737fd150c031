#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drive/mmc.h"

namespace vantric {

inline constexpr int kAudioSectorBytes = 2352;
inline constexpr int kAudioSampleBytes = 4;  // 16-bit stereo
inline constexpr int kAudioSamplesPerSector = kAudioSectorBytes / kAudioSampleBytes;
inline constexpr int kC2PointerBytes = kAudioSectorBytes / 8;
// CD-DA's single speed: 75 sectors of 2,352 bytes a second, as they come off the disc.
inline constexpr int64_t kCdDaOneXBytesPerSecond = 75 * kAudioSectorBytes;

// CD-DA sectors read with READ CD, with the drive's C2 error pointers when it gives them: the
// samples of each sector of the last read and whether the drive flagged any byte of it.
class AudioReader {
 public:
  // 24 sectors with their C2 pointers are 63,504 bytes: within the 64 KB that every bridge
  // and adapter passes in one transfer.
  static constexpr int32_t kMostSectorsPerRead = 24;

  AudioReader(Mmc& mmc, bool c2);

  // `count` sectors, 1 to kMostSectorsPerRead, from `lba`. What came before a failure is kept:
  // Delivered() says how many sectors that is.
  MmcAnswer Read(int64_t lba, int32_t count);
  int32_t Delivered() const { return delivered_; }
  // The 2,352 bytes of sector `index` of the last read.
  std::span<const uint8_t> Samples(int32_t index) const;
  // Whether the drive's C2 pointers flag any byte of sector `index` of the last read.
  bool C2Flagged(int32_t index) const;

  bool c2() const { return c2_; }
  void set_c2(bool c2) { c2_ = c2; }

 private:
  size_t Stride() const { return kAudioSectorBytes + (c2_ ? kC2PointerBytes : 0); }

  Mmc& mmc_;
  bool c2_;
  std::vector<uint8_t> buffer_;  // room for the largest read, made once
  int32_t delivered_ = 0;
};

// A read that failed where it was needed.
struct AudioReadFailure {
  int64_t sector = 0;  // the sector the drive names, or the first one asked for
  std::string error;
  bool no_medium = false;  // the drive has no disc to read: it was pulled out
};
AudioReadFailure FailureOf(const MmcAnswer& answer, int64_t first_sector);

// How a drive is to be read as CD-DA, found by reading one sector: with C2 pointers when its
// capabilities page claims them and it takes the request, otherwise without.
struct AudioReadStart {
  // The drive read the sector as CD-DA, or tried to: a sector it cannot read is damage, not a
  // refusal.
  bool ok = false;
  bool c2 = false;
  std::optional<AudioReadFailure> failure;  // when not ok
  // With ok: a drive that claims C2 pointers but refused to send them.
  std::string c2_refused;
};
AudioReadStart StartAudioReads(AudioReader& reader, int64_t lba, bool c2_claimed);

}  // namespace vantric
