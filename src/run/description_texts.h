#pragma once

#include <array>
#include <string_view>

namespace vantric {

// The explanations the results window appends while a run goes on, numbered 1 to 14 (index 0
// holds text 1).
extern const std::array<const char*, 14> DescriptionTexts;

// Text `number` (1..14); empty for any other number.
std::string_view DescriptionText(int number);

}  // namespace vantric
