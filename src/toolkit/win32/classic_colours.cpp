#include "toolkit/win32/classic_colours.h"

namespace vantric {

COLORREF ColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::kWhite:
      return kClassicHighlight;
    case TextColour::kNavy:
      return kClassicNavy;
    case TextColour::kBlack:
      break;
  }
  return kClassicText;
}

HBRUSH FaceBrush() {
  static const HBRUSH brush = CreateSolidBrush(kClassicFace);
  return brush;
}

HBRUSH WindowBrush() {
  static const HBRUSH brush = CreateSolidBrush(kClassicWindow);
  return brush;
}

void DrawLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
  const HPEN pen = CreatePen(PS_SOLID, 1, colour);
  const HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void DrawBevel(HDC dc, const RECT& rect, COLORREF top_left, COLORREF bottom_right) {
  const int right = rect.right - 1;
  const int bottom = rect.bottom - 1;
  DrawLine(dc, rect.left, bottom, rect.left, rect.top, top_left);
  DrawLine(dc, rect.left, rect.top, right, rect.top, top_left);
  DrawLine(dc, right, rect.top, right, bottom, bottom_right);
  DrawLine(dc, right, bottom, rect.left - 1, bottom, bottom_right);
}

}  // namespace vantric
