#include "drive/audio_reader.h"

#include <algorithm>

namespace vantric {

AudioReader::AudioReader(Mmc& mmc, bool c2)
    : mmc_(mmc),
      c2_(c2),
      buffer_(static_cast<size_t>(kMostSectorsPerRead) * (kAudioSectorBytes + kC2PointerBytes)) {}

MmcAnswer AudioReader::Read(int64_t lba, int32_t count) {
  count = std::clamp(count, int32_t{1}, kMostSectorsPerRead);
  const std::span<uint8_t> room(buffer_.data(), static_cast<size_t>(count) * Stride());
  MmcAnswer answer = mmc_.ReadInto(
      ReadCdDaCdb(static_cast<uint32_t>(lba), static_cast<uint32_t>(count), c2_), room);
  delivered_ = answer.ok ? count : static_cast<int32_t>(answer.transferred / Stride());
  // A drive that says it read everything but sent less has not read what is missing.
  if (answer.ok && answer.transferred < room.size()) {
    answer.ok = false;
    delivered_ = static_cast<int32_t>(answer.transferred / Stride());
    answer.error = "the drive sent " + std::to_string(answer.transferred) + " of " +
                   std::to_string(room.size()) + " bytes";
  }
  return answer;
}

std::span<const uint8_t> AudioReader::Samples(int32_t index) const {
  return std::span<const uint8_t>(buffer_).subspan(index * Stride(), kAudioSectorBytes);
}

bool AudioReader::C2Flagged(int32_t index) const {
  if (!c2_) return false;
  const std::span<const uint8_t> bits = std::span<const uint8_t>(buffer_).subspan(
      index * Stride() + kAudioSectorBytes, kC2PointerBytes);
  return std::any_of(bits.begin(), bits.end(), [](uint8_t byte) { return byte != 0; });
}

AudioReadFailure FailureOf(const MmcAnswer& answer, int64_t first_sector) {
  AudioReadFailure failure;
  failure.sector = answer.sense && answer.sense->information
                       ? static_cast<int64_t>(*answer.sense->information)
                       : first_sector;
  failure.error = answer.error;
  failure.no_medium = answer.sense && NoMedium(*answer.sense);
  return failure;
}

AudioReadStart StartAudioReads(AudioReader& reader, int64_t lba, bool c2_claimed) {
  AudioReadStart start;
  reader.set_c2(c2_claimed);
  MmcAnswer answer = reader.Read(lba, 1);
  const auto refused = [&answer] {
    return !answer.ok && answer.sense && answer.sense->key == kSenseIllegalRequest;
  };
  if (c2_claimed && refused()) {
    start.c2_refused = answer.error;
    reader.set_c2(false);
    answer = reader.Read(lba, 1);
  }
  start.c2 = reader.c2();
  start.ok = answer.ok || (answer.sense && answer.sense->key == kSenseMediumError);
  if (!start.ok) start.failure = FailureOf(answer, lba);
  return start;
}

}  // namespace vantric
