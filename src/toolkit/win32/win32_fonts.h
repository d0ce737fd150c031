#pragma once

#include <string>

#include "forms/window_layout.h"
#include "toolkit/win32/win32_ui.h"

namespace vantric {

// The GDI font of a layout's font: the face at the character height in pixels. Each is made
// once and kept for the program's life, as the windows are.
HFONT FontOf(const FontSpec& wanted);

// The width and height a one-line text takes in the font, as a label sized by its text is.
SIZE TextSize(HFONT font, const std::string& text);

}  // namespace vantric
