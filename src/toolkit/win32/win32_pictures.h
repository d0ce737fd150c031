#pragma once

#include "forms/pictures.h"
#include "toolkit/win32/win32_ui.h"

namespace vantric {

// A picture as a bitmap GDI can draw and make brushes of, its transparent pixels filled with
// `ground`. The caller owns it (DeleteObject).
HBITMAP MakeGdiBitmap(const Bitmap& picture, COLORREF ground);

// Draws the bitmap with its top-left corner at (left, top), in its own size.
void DrawGdiBitmap(HDC dc, HBITMAP bitmap, int left, int top);

}  // namespace vantric
