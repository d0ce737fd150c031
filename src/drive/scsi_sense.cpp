#include "drive/scsi_sense.h"

#include <cstdio>

namespace vantric {
namespace {

constexpr const char* kKeyNames[16] = {
    "no sense",       "recovered error", "not ready",      "medium error",
    "hardware error", "illegal request", "unit attention", "data protect",
    "blank check",    "vendor specific", "copy aborted",   "aborted command",
    "equal",          "volume overflow", "miscompare",     "completed",
};

struct CodeName {
  uint8_t asc;
  int ascq;  // -1: any
  const char* name;
};
constexpr CodeName kCodes[] = {
    {0x04, 0x01, "becoming ready"},
    {0x04, -1, "not ready"},
    {0x11, 0x05, "L-EC uncorrectable error"},
    {0x11, 0x06, "CIRC unrecovered error"},
    {0x11, -1, "unrecovered read error"},
    {0x15, -1, "positioning error"},
    {0x20, 0x00, "invalid command operation code"},
    {0x21, 0x00, "logical block address out of range"},
    {0x24, 0x00, "invalid field in CDB"},
    {0x26, -1, "invalid field in parameter list"},
    {0x28, 0x00, "medium may have changed"},
    {0x29, -1, "power on or reset"},
    {0x30, 0x02, "cannot read medium, incompatible format"},
    {0x30, -1, "incompatible medium"},
    {0x3A, -1, "medium not present"},
    {0x57, 0x00, "unable to recover table of contents"},
    {0x64, 0x00, "illegal mode for this track"},
};

uint64_t BigEndian(std::span<const uint8_t> bytes) {
  uint64_t value = 0;
  for (uint8_t byte : bytes) value = value << 8 | byte;
  return value;
}

}  // namespace

std::optional<Sense> ParseSense(std::span<const uint8_t> data) {
  if (data.empty()) return std::nullopt;
  const uint8_t code = data[0] & 0x7F;
  Sense sense;
  if (code == 0x70 || code == 0x71) {
    if (data.size() < 3) return std::nullopt;
    sense.key = data[2] & 0x0F;
    if (data.size() >= 14) {
      sense.asc = data[12];
      sense.ascq = data[13];
    }
    // The information field means an address only when the drive says it is valid.
    if ((data[0] & 0x80) && data.size() >= 7) sense.information = BigEndian(data.subspan(3, 4));
    return sense;
  }
  if (code == 0x72 || code == 0x73) {
    if (data.size() < 4) return std::nullopt;
    sense.key = data[1] & 0x0F;
    sense.asc = data[2];
    sense.ascq = data[3];
    // Descriptors follow the eight-byte header: type, length, then its bytes.
    for (size_t at = 8; at + 1 < data.size(); at += 2 + data[at + 1]) {
      if (data[at] == 0x00 && at + 12 <= data.size() && (data[at + 2] & 0x80)) {
        sense.information = BigEndian(data.subspan(at + 4, 8));
      }
    }
    return sense;
  }
  return std::nullopt;
}

std::string SenseText(const Sense& sense) {
  std::string text = kKeyNames[sense.key & 0x0F];
  for (const CodeName& code : kCodes) {
    if (code.asc == sense.asc && (code.ascq < 0 || code.ascq == sense.ascq)) {
      text += std::string(", ") + code.name;
      break;
    }
  }
  char numbers[16];
  std::snprintf(numbers, sizeof numbers, " (%02X/%02X/%02X)", sense.key, sense.asc, sense.ascq);
  return text + numbers;
}

bool NoMedium(const Sense& sense) { return sense.key == kSenseNotReady && sense.asc == 0x3A; }

}  // namespace vantric
