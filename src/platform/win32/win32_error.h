#pragma once

#include <cstdint>
#include <string>

namespace vantric {

// Windows' own wording of a GetLastError code (FormatMessageA), without the closing period
// and line end, so that it can stand inside a sentence.
std::string Win32ErrorText(uint32_t code);

}  // namespace vantric
