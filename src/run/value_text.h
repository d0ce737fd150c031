#pragma once

#include <cstdint>
#include <string>

namespace vantric {

// How values are written wherever they are shown, logged or printed: rounded half-to-even to
// a plain decimal integer, then the unit.
std::string RoundedText(double value);
std::string KpsText(double rate);         // "1234 kps"
std::string MsText(double milliseconds);  // "97 ms"
std::string PercentText(double percent);  // "12%"
// `value` with exactly `digits` after a decimal point, whatever the locale: "4.7".
std::string FixedText(double value, int digits);
// A CDFS cache value in units of 2 KB: "64k", or "unknown/or WinNT" when 0 or less.
std::string CdfsText(int32_t value);

}  // namespace vantric
