#pragma once

#include <cstddef>
#include <string_view>

namespace vantric {

// The length of the well-formed UTF-8 sequence that starts at text[i] (1 for ASCII), or 0 when
// the byte there starts none: a stray continuation byte, an overlong form, a surrogate, a code
// point beyond U+10FFFF or a sequence cut short.
size_t Utf8SequenceLength(std::string_view text, size_t i);

}  // namespace vantric
