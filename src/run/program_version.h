#pragma once

namespace vantric {

// What --version says and what result files record as the version that wrote them.
inline constexpr const char* kProgramVersion = "1.65";

}  // namespace vantric
