#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What the programmable drive and its tools share of SCSI and MMC: operation codes, sense codes,
// big-endian fields and CD addresses.
namespace vantric::programmable {

enum Opcode : uint8_t {
  kTestUnitReady = 0x00,
  kRequestSense = 0x03,
  kInquiry = 0x12,
  kModeSelect6 = 0x15,
  kModeSense6 = 0x1A,
  kStartStopUnit = 0x1B,
  kPreventAllowMediumRemoval = 0x1E,
  kReadCapacity = 0x25,
  kRead10 = 0x28,
  kReadToc = 0x43,
  kGetConfiguration = 0x46,
  kGetEventStatusNotification = 0x4A,
  kReadDiscInformation = 0x51,
  kReadTrackInformation = 0x52,
  kModeSelect10 = 0x55,
  kModeSense10 = 0x5A,
  kRead12 = 0xA8,
  kGetPerformance = 0xAC,
  kSetStreaming = 0xB6,
  kSetCdSpeed = 0xBB,
  kReadCd = 0xBE,
};

inline constexpr uint8_t kStatusGood = 0x00;
inline constexpr uint8_t kStatusCheckCondition = 0x02;

enum SenseKey : uint8_t {
  kNoSense = 0x0,
  kNotReady = 0x2,
  kMediumError = 0x3,
  kIllegalRequest = 0x5,
  kUnitAttention = 0x6,
};

// A sense key with its additional sense code and qualifier, and the LBA it concerns, if any.
struct Sense {
  SenseKey key = kNoSense;
  uint8_t asc = 0;
  uint8_t ascq = 0;
  std::optional<uint32_t> information;

  bool operator==(const Sense&) const = default;
};

inline constexpr Sense kInvalidOpcode{kIllegalRequest, 0x20, 0x00, {}};
inline constexpr Sense kInvalidFieldInCdb{kIllegalRequest, 0x24, 0x00, {}};
inline constexpr Sense kInvalidFieldInParameters{kIllegalRequest, 0x26, 0x00, {}};
inline constexpr Sense kLbaOutOfRange{kIllegalRequest, 0x21, 0x00, {}};
inline constexpr Sense kIllegalModeForTrack{kIllegalRequest, 0x64, 0x00, {}};
inline constexpr Sense kIncompatibleFormat{kIllegalRequest, 0x30, 0x02, {}};
inline constexpr Sense kSavingNotSupported{kIllegalRequest, 0x39, 0x00, {}};
inline constexpr Sense kRemovalPrevented{kIllegalRequest, 0x53, 0x02, {}};
inline constexpr Sense kBecomingReady{kNotReady, 0x04, 0x01, {}};
inline constexpr Sense kNoMediumTrayClosed{kNotReady, 0x3A, 0x01, {}};
inline constexpr Sense kNoMediumTrayOpen{kNotReady, 0x3A, 0x02, {}};
inline constexpr Sense kMediumMayHaveChanged{kUnitAttention, 0x28, 0x00, {}};
inline constexpr Sense kUnrecoveredReadError{kMediumError, 0x11, 0x00, {}};

// Fixed-format sense data, 18 bytes.
std::vector<uint8_t> SenseBytes(const Sense& sense);

uint32_t Get16(std::span<const uint8_t> bytes, size_t at);
uint32_t Get24(std::span<const uint8_t> bytes, size_t at);
uint32_t Get32(std::span<const uint8_t> bytes, size_t at);

// A reply being built: big-endian fields appended, lengths filled in afterwards.
class Bytes {
 public:
  Bytes& U8(uint32_t value);
  Bytes& U16(uint32_t value);
  Bytes& U24(uint32_t value);
  Bytes& U32(uint32_t value);
  Bytes& Zeros(size_t count);
  // Space-padded to `width`, as INQUIRY's names are.
  Bytes& Text(std::string_view text, size_t width);
  Bytes& Append(std::span<const uint8_t> bytes);
  void Put16(size_t at, uint32_t value);
  void Put32(size_t at, uint32_t value);

  size_t size() const { return data_.size(); }
  std::vector<uint8_t>& data() { return data_; }

 private:
  std::vector<uint8_t> data_;
};

// A CD's sectors are counted from 0 at two seconds into the program area.
inline constexpr int64_t kMsfOffset = 150;
inline constexpr int kFramesPerSecond = 75;
struct Msf {
  int minute, second, frame;
};
Msf ToMsf(int64_t lba);
uint8_t Bcd(int value);

}  // namespace vantric::programmable

namespace vantric::programmable {

// The length of a CDB, from its operation code's group.
size_t CdbLength(uint8_t opcode);

}  // namespace vantric::programmable

namespace vantric::programmable {

// Whether the initiator sends data with the command (the drive answers none).
bool CarriesDataOut(uint8_t opcode);

}  // namespace vantric::programmable
