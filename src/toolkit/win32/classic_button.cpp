#include "toolkit/win32/classic_button.h"

#include "toolkit/win32/classic_colours.h"
#include "toolkit/win32/win32_pictures.h"

namespace vantric {
namespace {

void Shrink(RECT& rect) { InflateRect(&rect, -1, -1); }

void DrawCaption(HDC dc, const std::string& caption, RECT rect, COLORREF colour) {
  SetTextColor(dc, colour);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void PaintClassicButton(const DRAWITEMSTRUCT& item, const ButtonFace& face, bool is_default) {
  const HDC dc = item.hDC;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  RECT rect = item.rcItem;
  FillRect(dc, &rect, FaceBrush());
  if (is_default || pressed) {
    DrawBevel(dc, rect, kClassicDarkShadow, kClassicDarkShadow);
    Shrink(rect);
  }
  if (pressed) {
    DrawBevel(dc, rect, kClassicShadow, kClassicShadow);
  } else {
    DrawBevel(dc, rect, kClassicHighlight, kClassicDarkShadow);
    Shrink(rect);
    DrawBevel(dc, rect, kClassicLight, kClassicShadow);
  }
  RECT content = item.rcItem;
  InflateRect(&content, -4, -4);
  // A pressed button's content moves down and right, as if pushed into the face.
  const int push = pressed ? 1 : 0;
  if (face.picture != nullptr) {
    const HBITMAP picture = enabled ? face.picture : face.greyed_picture;
    BITMAP size{};
    GetObject(picture, sizeof(size), &size);
    const int left = (item.rcItem.left + item.rcItem.right - size.bmWidth) / 2 + push;
    const int top = (item.rcItem.top + item.rcItem.bottom - size.bmHeight) / 2 + push;
    DrawGdiBitmap(dc, picture, left, top);
  } else {
    SetBkMode(dc, TRANSPARENT);
    RECT text = item.rcItem;
    OffsetRect(&text, push, push);
    if (enabled) {
      DrawCaption(dc, face.caption, text, face.caption_colour);
    } else {
      RECT engraving = text;
      OffsetRect(&engraving, 1, 1);
      DrawCaption(dc, face.caption, engraving, kClassicHighlight);
      DrawCaption(dc, face.caption, text, kClassicShadow);
    }
  }
  if (item.itemState & ODS_FOCUS) {
    SetTextColor(dc, kClassicText);
    SetBkColor(dc, kClassicFace);
    DrawFocusRect(dc, &content);
  }
}

}  // namespace vantric
