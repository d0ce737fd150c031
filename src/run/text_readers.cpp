#include "run/text_readers.h"

#include <limits>
#include <optional>

namespace vantric {
namespace {

constexpr size_t kNumberFieldLength = 24;

std::string_view StripBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

struct Digits {
  std::optional<int64_t> value;  // empty when the digits exceed the 32-bit range
  size_t count = 0;
};

Digits ReadDigits(std::string_view text, int base) {
  Digits digits;
  int64_t value = 0;
  bool too_large = false;
  for (char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) break;
    ++digits.count;
    if (!too_large) {
      value = value * base + digit;
      too_large = value > std::numeric_limits<uint32_t>::max();
    }
  }
  if (!too_large) digits.value = value;
  return digits;
}

int32_t InSignedRange(std::optional<int64_t> value) {
  if (!value || *value < std::numeric_limits<int32_t>::min() ||
      *value > std::numeric_limits<int32_t>::max()) {
    return 0;
  }
  return static_cast<int32_t>(*value);
}

}  // namespace

int32_t TextToInt(std::string_view text) {
  text = StripBlanks(text.substr(0, kNumberFieldLength));
  bool negative = false;
  int base = 10;
  std::string_view body = text;
  if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  } else if (!body.empty() && body.front() == '$') {
    base = 16;
    body.remove_prefix(1);
  }
  const Digits digits = ReadDigits(body, base);
  if (digits.count > 0 && digits.count == body.size()) {
    if (!digits.value) return 0;
    return InSignedRange(negative ? -*digits.value : *digits.value);
  }
  return InSignedRange(digits.count > 0 ? digits.value : 0);
}

std::string TrimBlanks(std::string_view text) {
  return std::string(StripBlanks(text.substr(0, kTextFieldLength)));
}

}  // namespace vantric
