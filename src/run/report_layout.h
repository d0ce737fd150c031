#pragma once

#include <string>
#include <vector>

#include "run/report_lines.h"

namespace vantric {

// A font as the results window's hidden font labels define it.
struct ReportFontSpec {
  std::string family;
  int point_size = 0;
  bool bold = false;
  bool italic = false;
};

// Font1 (title), Font2 (headings), Font3 (body).
struct ReportFonts {
  ReportFontSpec title;
  ReportFontSpec heading;
  ReportFontSpec body;
};

// The one of the three a line is drawn in.
const ReportFontSpec& SpecOf(ReportFont font, const ReportFonts& fonts);

// A font sized for the device: height in device units.
struct DeviceFont {
  std::string family;
  int height = 0;
  bool bold = false;
  bool italic = false;
};

// Where the report is drawn: a printer page, or a recording in tests. Coordinates are device
// units; text is placed by its top-left corner.
class ReportCanvas {
 public:
  virtual ~ReportCanvas() = default;

  virtual int VerticalDpi() const = 0;
  virtual void SetFont(const DeviceFont& font) = 0;
  // Measured in the current font.
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int LineHeight() const = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// The device's printable area (its clipping box) in device units.
struct PrintableArea {
  int left = 0;
  int top = 0;
  int right = 0;
};

// A font keeps its point size on any device: points x dots per inch / 72, rounded.
int DeviceFontHeight(int point_size, int dots_per_inch);

// The layout unit: an eighth of the printable width, rounded.
int LayoutUnit(const PrintableArea& area);

// Draws the lines top to bottom on one page: no page break, nothing checks the page's height.
void DrawReport(const std::vector<ReportLine>& lines, const ReportFonts& fonts,
                const PrintableArea& area, ReportCanvas& canvas);

}  // namespace vantric
