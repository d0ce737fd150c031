#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantric {

// Reads the number in a dialog's text field: the first 24 characters, blanks around it
// ignored, an optional sign or "$" for hexadecimal. A text that is not wholly a number gives
// the digits before the first non-digit, unsigned; 0 when there are none, and 0 for a number
// beyond the signed 32-bit range.
int32_t TextToInt(std::string_view text);
// Whether TextToInt reads the whole text as its number: blanks, then a sign or "$", then digits
// only, then blanks, all within the characters it looks at.
bool IsWholeNumberText(std::string_view text);

// How many characters of a dialog's text field are kept.
inline constexpr size_t kTextFieldLength = 160;

// The first kTextFieldLength characters without the blanks (character 32 only) at either end.
std::string TrimBlanks(std::string_view text);

}  // namespace vantric
