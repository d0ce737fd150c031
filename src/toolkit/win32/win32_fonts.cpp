#include "toolkit/win32/win32_fonts.h"

#include <map>
#include <tuple>

namespace vantric {

HFONT FontOf(const FontSpec& wanted) {
  static std::map<std::tuple<std::string, int, bool, bool>, HFONT> fonts;
  const auto key =
      std::make_tuple(std::string(wanted.family), wanted.pixel_height, wanted.bold, wanted.italic);
  if (const auto found = fonts.find(key); found != fonts.end()) return found->second;
  // A negative height asks for the character height, without the internal leading.
  const HFONT font =
      CreateFontA(-wanted.pixel_height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic,
                  FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, wanted.family);
  fonts.emplace(key, font);
  return font;
}

SIZE TextSize(HFONT font, const std::string& text) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  // An empty text still takes a line's height, and the width of a blank, so that the label
  // stays where it can be seen.
  const std::string measured = text.empty() ? " " : text;
  RECT rect{0, 0, 0, 0};
  DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &rect,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return SIZE{rect.right - rect.left, metrics.tmHeight};
}

}  // namespace vantric
