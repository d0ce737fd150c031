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

// A number as a dialog's field holds it: the sign or "$" taken off the digits.
struct NumberText {
  bool negative = false;
  int base = 10;
  std::string_view body;
};

NumberText SplitNumber(std::string_view text) {
  NumberText number{false, 10, StripBlanks(text.substr(0, kNumberFieldLength))};
  std::string_view& body = number.body;
  if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
    number.negative = body.front() == '-';
    body.remove_prefix(1);
  } else if (!body.empty() && body.front() == '$') {
    number.base = 16;
    body.remove_prefix(1);
  }
  return number;
}

}  // namespace

int32_t TextToInt(std::string_view text) {
  const NumberText number = SplitNumber(text);
  const Digits digits = ReadDigits(number.body, number.base);
  if (digits.count > 0 && digits.count == number.body.size()) {
    if (!digits.value) return 0;
    return InSignedRange(number.negative ? -*digits.value : *digits.value);
  }
  return InSignedRange(digits.count > 0 ? digits.value : 0);
}

bool IsWholeNumberText(std::string_view text) {
  if (text.find_first_not_of(' ', kNumberFieldLength) != std::string_view::npos) return false;
  const NumberText number = SplitNumber(text);
  return !number.body.empty() && ReadDigits(number.body, number.base).count == number.body.size();
}

std::string TrimBlanks(std::string_view text) {
  return std::string(StripBlanks(text.substr(0, kTextFieldLength)));
}

}  // namespace vantric
