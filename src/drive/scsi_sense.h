#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vantric {

// What a drive said with CHECK CONDITION: the sense key, its additional code and qualifier,
// and the address it names (the first sector a read could not read), where it names one.
struct Sense {
  uint8_t key = 0;
  uint8_t asc = 0;
  uint8_t ascq = 0;
  std::optional<uint64_t> information;
};

inline constexpr uint8_t kSenseNotReady = 0x2;
inline constexpr uint8_t kSenseMediumError = 0x3;
inline constexpr uint8_t kSenseIllegalRequest = 0x5;
inline constexpr uint8_t kSenseUnitAttention = 0x6;

// Reads sense data in either format (fixed, 70h/71h; descriptor, 72h/73h); nothing for what is
// neither.
std::optional<Sense> ParseSense(std::span<const uint8_t> data);

// "medium error, unrecovered read error (03/11/00)": the key and, for the codes a drive tool
// meets, what they mean; the numbers always.
std::string SenseText(const Sense& sense);

// Whether the drive has no disc to read (NOT READY, MEDIUM NOT PRESENT).
bool NoMedium(const Sense& sense);

}  // namespace vantric
