#include "scsi.h"

namespace vantric::programmable {

std::vector<uint8_t> SenseBytes(const Sense& sense) {
  std::vector<uint8_t> bytes(18, 0);
  // Current error, with the information field valid when there is an LBA to put in it.
  bytes[0] = sense.information ? 0xF0 : 0x70;
  bytes[2] = sense.key;
  if (sense.information) {
    for (int i = 0; i < 4; ++i)
      bytes[3 + i] = static_cast<uint8_t>(*sense.information >> (24 - 8 * i));
  }
  bytes[7] = 10;  // the additional length: the rest of the 18 bytes
  bytes[12] = sense.asc;
  bytes[13] = sense.ascq;
  return bytes;
}

uint32_t Get16(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t{bytes[at]} << 8 | bytes[at + 1];
}

uint32_t Get24(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t{bytes[at]} << 16 | Get16(bytes, at + 1);
}

uint32_t Get32(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | Get24(bytes, at + 1);
}

Bytes& Bytes::U8(uint32_t value) {
  data_.push_back(static_cast<uint8_t>(value));
  return *this;
}

Bytes& Bytes::U16(uint32_t value) { return U8(value >> 8).U8(value); }

Bytes& Bytes::U24(uint32_t value) { return U8(value >> 16).U16(value); }

Bytes& Bytes::U32(uint32_t value) { return U16(value >> 16).U16(value); }

Bytes& Bytes::Zeros(size_t count) {
  data_.insert(data_.end(), count, 0);
  return *this;
}

Bytes& Bytes::Text(std::string_view text, size_t width) {
  for (size_t i = 0; i < width; ++i) U8(i < text.size() ? text[i] : ' ');
  return *this;
}

Bytes& Bytes::Append(std::span<const uint8_t> bytes) {
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  return *this;
}

void Bytes::Put16(size_t at, uint32_t value) {
  data_[at] = static_cast<uint8_t>(value >> 8);
  data_[at + 1] = static_cast<uint8_t>(value);
}

void Bytes::Put32(size_t at, uint32_t value) {
  Put16(at, value >> 16);
  Put16(at + 2, value);
}

Msf ToMsf(int64_t lba) {
  const int64_t frames = lba + kMsfOffset;
  return {static_cast<int>(frames / (60 * kFramesPerSecond)),
          static_cast<int>(frames / kFramesPerSecond % 60),
          static_cast<int>(frames % kFramesPerSecond)};
}

uint8_t Bcd(int value) { return static_cast<uint8_t>(value / 10 << 4 | value % 10); }

}  // namespace vantric::programmable

namespace vantric::programmable {

size_t CdbLength(uint8_t opcode) {
  switch (opcode >> 5) {
    case 0:
      return 6;
    case 1:
    case 2:
      return 10;
    case 4:
      return 16;
    case 5:
      return 12;
    default:
      return 16;  // vendor-specific and reserved groups: all the ring holds
  }
}

}  // namespace vantric::programmable

namespace vantric::programmable {

bool CarriesDataOut(uint8_t opcode) {
  return opcode == kModeSelect6 || opcode == kModeSelect10 || opcode == kSetStreaming;
}

}  // namespace vantric::programmable
