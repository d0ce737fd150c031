#include "run/value_text.h"

#include "engine/rounding.h"

namespace vantric {

std::string RoundedText(double value) { return std::to_string(Round(value)); }

std::string KpsText(double rate) { return RoundedText(rate) + " kps"; }

std::string MsText(double milliseconds) { return RoundedText(milliseconds) + " ms"; }

std::string PercentText(double percent) { return RoundedText(percent) + "%"; }

std::string CdfsText(int32_t value) {
  if (value <= 0) return "unknown/or WinNT";
  return std::to_string(2 * static_cast<int64_t>(value)) + "k";
}

}  // namespace vantric
