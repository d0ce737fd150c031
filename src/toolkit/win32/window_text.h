#pragma once

#include <string>

#include "toolkit/win32/win32_ui.h"

namespace vantric {

// A window's text: a control's caption or contents.
std::string WindowText(HWND window);

// The memo keeps its lines apart with CR LF, the windows' texts with LF.
std::string WithCrLf(const std::string& text);
std::string WithoutCr(std::string text);

}  // namespace vantric
