#pragma once

#include <string>

#include "toolkit/win32/win32_ui.h"

namespace vantric {

// What a push button shows: a caption in a colour, or a picture (with its greyed form for the
// disabled button).
struct ButtonFace {
  std::string caption;
  COLORREF caption_colour = 0;
  HBITMAP picture = nullptr;
  HBITMAP greyed_picture = nullptr;
};

// Paints an owner-drawn push button in the classic look, whatever the desktop's colours: raised
// when up, sunk when pressed, a black frame when Enter would press it, a dotted rectangle
// when it has the focus, an engraved caption when disabled.
void PaintClassicButton(const DRAWITEMSTRUCT& item, const ButtonFace& face, bool is_default);

}  // namespace vantric
