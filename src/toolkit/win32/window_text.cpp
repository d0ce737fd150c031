#include "toolkit/win32/window_text.h"

#include <algorithm>

namespace vantric {

std::string WithCrLf(const std::string& text) {
  std::string converted;
  for (const char c : text) {
    if (c == '\n') converted += '\r';
    converted += c;
  }
  return converted;
}

std::string WithoutCr(std::string text) {
  std::erase(text, '\r');
  return text;
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

}  // namespace vantric
