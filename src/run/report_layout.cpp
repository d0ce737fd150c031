#include "run/report_layout.h"

#include "engine/rounding.h"

namespace vantric {

const ReportFontSpec& SpecOf(ReportFont font, const ReportFonts& fonts) {
  switch (font) {
    case ReportFont::kTitle:
      return fonts.title;
    case ReportFont::kHeading:
      return fonts.heading;
    case ReportFont::kBody:
      break;
  }
  return fonts.body;
}

int DeviceFontHeight(int point_size, int dots_per_inch) {
  return static_cast<int>(Round(static_cast<double>(point_size) * dots_per_inch / 72.0));
}

int LayoutUnit(const PrintableArea& area) {
  return static_cast<int>(Round((area.right - area.left) * 0.125));
}

void DrawReport(const std::vector<ReportLine>& lines, const ReportFonts& fonts,
                const PrintableArea& area, ReportCanvas& canvas) {
  const int u = LayoutUnit(area);
  const int dpi = canvas.VerticalDpi();
  int y = area.top;
  for (const ReportLine& line : lines) {
    const ReportFontSpec& face = SpecOf(line.font, fonts);
    canvas.SetFont({face.family, DeviceFontHeight(face.point_size, dpi), face.bold, face.italic});
    switch (line.column) {
      case ReportColumn::kMargin:
        canvas.TextOut(u, y, line.text);
        break;
      case ReportColumn::kIndent:
        canvas.TextOut(2 * u, y, line.text);
        break;
      case ReportColumn::kRow:
        canvas.TextOut(3 * u - canvas.TextWidth(line.text), y, line.text);
        canvas.TextOut(3 * u, y, line.value);
        break;
    }
    y += line.advance * canvas.LineHeight();
  }
}

}  // namespace vantric
