#pragma once

#include <string>

#include "toolkit/win32/win32_ui.h"

namespace vantric {

// The system's message box with the application title as its caption, the text, one OK button
// and no icon, modal to the reporting window, its top-left corner on the reporting window's.
void ShowStandardMessage(HWND reporter, const std::string& text);

}  // namespace vantric
