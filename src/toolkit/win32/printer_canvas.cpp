#include "toolkit/win32/printer_canvas.h"

namespace vantric {
namespace {

bool SameFont(const DeviceFont& a, const DeviceFont& b) {
  return a.family == b.family && a.height == b.height && a.bold == b.bold && a.italic == b.italic;
}

}  // namespace

PrinterCanvas::PrinterCanvas(HDC printer) : dc_(printer) {
  // Text is placed by its top-left corner and leaves what is beneath it as it was.
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, RGB(0, 0, 0));
}

PrinterCanvas::~PrinterCanvas() {
  if (font_ != nullptr) {
    SelectObject(dc_, original_font_);
    DeleteObject(font_);
  }
}

int PrinterCanvas::VerticalDpi() const { return GetDeviceCaps(dc_, LOGPIXELSY); }

void PrinterCanvas::SetFont(const DeviceFont& font) {
  if (current_ && SameFont(*current_, font)) return;
  // A negative height asks for the character height, without the internal leading: the
  // height a point size means.
  HFONT made = CreateFontA(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                           font.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, font.family.c_str());
  if (made == nullptr) return;  // the device keeps drawing in the font it has
  const HGDIOBJ previous = SelectObject(dc_, made);
  if (font_ == nullptr) {
    original_font_ = previous;
  } else {
    DeleteObject(font_);
  }
  font_ = made;
  current_ = font;
}

int PrinterCanvas::TextWidth(const std::string& text) const {
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int PrinterCanvas::LineHeight() const {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc_, &metrics);
  return metrics.tmHeight;
}

void PrinterCanvas::TextOut(int x, int y, const std::string& text) {
  ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

}  // namespace vantric
