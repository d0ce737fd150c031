#include "drive/identity.h"

#include <algorithm>

namespace vantric {

std::string FieldText(std::span<const uint8_t> field) {
  // A NUL pads a field as a blank does.
  const auto padding = [](uint8_t byte) { return byte == ' ' || byte == 0; };
  size_t first = 0, last = field.size();
  while (first < last && padding(field[first])) ++first;
  while (last > first && padding(field[last - 1])) --last;
  std::string text;
  for (size_t i = first; i < last; ++i) {
    text += field[i] >= 0x20 && field[i] < 0x7F ? static_cast<char>(field[i]) : '?';
  }
  return text;
}

std::optional<InquiryData> ParseInquiry(std::span<const uint8_t> data) {
  if (data.size() < 36) return std::nullopt;
  return InquiryData{static_cast<uint8_t>(data[0] & 0x1F), FieldText(data.subspan(8, 8)),
                     FieldText(data.subspan(16, 16)), FieldText(data.subspan(32, 4))};
}

std::optional<std::string> ParseUnitSerial(std::span<const uint8_t> data) {
  if (data.size() < 4 || data[1] != 0x80) return std::nullopt;
  const size_t length = std::min<size_t>(data[3], data.size() - 4);
  const std::string serial = FieldText(data.subspan(4, length));
  if (serial.empty()) return std::nullopt;
  return serial;
}

}  // namespace vantric
