#pragma once

#include "forms/window_layout.h"
#include "toolkit/win32/win32_ui.h"

namespace vantric {

// The windows were designed in the classic colours. They are fixed here instead of taken from
// the desktop's scheme, so that the windows look as designed on any scheme, a dark one too.
inline constexpr COLORREF kClassicFace = RGB(192, 192, 192);
inline constexpr COLORREF kClassicHighlight = RGB(255, 255, 255);
inline constexpr COLORREF kClassicLight = RGB(223, 223, 223);
inline constexpr COLORREF kClassicShadow = RGB(128, 128, 128);
inline constexpr COLORREF kClassicDarkShadow = RGB(0, 0, 0);
inline constexpr COLORREF kClassicWindow = RGB(255, 255, 255);
inline constexpr COLORREF kClassicText = RGB(0, 0, 0);
inline constexpr COLORREF kClassicGreyText = RGB(128, 128, 128);
inline constexpr COLORREF kClassicNavy = RGB(0, 0, 128);

COLORREF ColourOf(TextColour colour);

// Solid brushes of the fixed colours, made on first use and kept for the program's life.
HBRUSH FaceBrush();
HBRUSH WindowBrush();

// A one-pixel line from (x0, y0) to (x1, y1), the end point excluded.
void DrawLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour);
// A rectangle's top and left edges in one colour, its bottom and right edges in another.
void DrawBevel(HDC dc, const RECT& rect, COLORREF top_left, COLORREF bottom_right);

}  // namespace vantric
