#include "run/value_text.h"

#include <array>
#include <charconv>

#include "engine/rounding.h"

namespace vantric {

std::string RoundedText(double value) { return std::to_string(Round(value)); }

std::string KpsText(double rate) { return RoundedText(rate) + " kps"; }

std::string MsText(double milliseconds) { return RoundedText(milliseconds) + " ms"; }

std::string PercentText(double percent) { return RoundedText(percent) + "%"; }

std::string FixedText(double value, int digits) {
  // Not printf: a desktop locale with a decimal comma must not turn "4.7" into "4,7".
  std::array<char, 352> text{};  // room for the largest double in fixed notation
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, digits);
  return std::string(text.data(), result.ptr);
}

std::string CdfsText(int32_t value) {
  if (value <= 0) return "unknown/or WinNT";
  return std::to_string(2 * static_cast<int64_t>(value)) + "k";
}

}  // namespace vantric
