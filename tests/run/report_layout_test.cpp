#include "run/report_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantric {
namespace {

// Records what is drawn. Each character is a tenth of the font height wide, and a line is the
// font height plus a leading, so a mix-up of heights and line heights shows.
class RecordingCanvas : public ReportCanvas {
 public:
  struct Drawn {
    int x;
    int y;
    std::string text;
    DeviceFont font;
  };

  int VerticalDpi() const override { return 600; }
  void SetFont(const DeviceFont& font) override { font_ = font; }
  int TextWidth(const std::string& text) const override {
    return static_cast<int>(text.size()) * font_.height / 10;
  }
  int LineHeight() const override { return font_.height + 7; }
  void TextOut(int x, int y, const std::string& text) override {
    drawn.push_back({x, y, text, font_});
  }

  std::vector<Drawn> drawn;

 private:
  DeviceFont font_;
};

const ReportFonts kFonts{{"Arial", 16, false, true}, {"Arial", 14}, {"Arial", 12}};
// At 600 dots per inch.
constexpr int kTitleHeight = 133;    // 16 x 600 / 72 = 133.3
constexpr int kHeadingHeight = 117;  // 116.7
constexpr int kBodyHeight = 100;

std::vector<ReportLine> SampleLines() {
  return {
      {ReportFont::kTitle, ReportColumn::kMargin, "Title", "", 2},
      {ReportFont::kHeading, ReportColumn::kMargin, "Heading", "", 1},
      {ReportFont::kBody, ReportColumn::kIndent, "", "", 1},
      {ReportFont::kBody, ReportColumn::kRow, "16k outside: ", "1234 kps", 2},
      {ReportFont::kBody, ReportColumn::kRow, "Drive type: ", "CLV", 1},
  };
}

TEST(ReportLayout, ColumnsOfAPrinterWith4800UnitsAcross) {
  RecordingCanvas canvas;
  DrawReport(SampleLines(), kFonts, {0, 0, 4800}, canvas);

  ASSERT_EQ(canvas.drawn.size(), 7u);
  EXPECT_EQ(canvas.drawn[0].x, 600);
  EXPECT_EQ(canvas.drawn[1].x, 600);
  EXPECT_EQ(canvas.drawn[2].x, 1200);
  // Row labels end at the column line, values start on it.
  const auto& label = canvas.drawn[3];
  EXPECT_EQ(label.text, "16k outside: ");
  EXPECT_EQ(label.x + canvas.TextWidth(label.text), 1800);
  EXPECT_EQ(label.x, 1800 - 13 * kBodyHeight / 10);
  EXPECT_EQ(canvas.drawn[4].x, 1800);
  EXPECT_EQ(canvas.drawn[4].text, "1234 kps");
  EXPECT_EQ(canvas.drawn[4].y, label.y);
  EXPECT_EQ(canvas.drawn[6].x, 1800);
  EXPECT_EQ(canvas.drawn[6].text, "CLV");
}

TEST(ReportLayout, EachLineAdvancesByItsLineHeightsInItsOwnFont) {
  RecordingCanvas canvas;
  DrawReport(SampleLines(), kFonts, {0, 50, 4800}, canvas);

  const int title_line = kTitleHeight + 7;
  const int heading_line = kHeadingHeight + 7;
  const int body_line = kBodyHeight + 7;
  std::vector<int> ys;
  for (const auto& drawn : canvas.drawn) ys.push_back(drawn.y);
  const int heading_y = 50 + 2 * title_line;
  const int empty_y = heading_y + heading_line;
  const int row_y = empty_y + body_line;  // the empty user text still takes its line
  const int drive_y = row_y + 2 * body_line;
  EXPECT_EQ(ys, (std::vector<int>{50, heading_y, empty_y, row_y, row_y, drive_y, drive_y}));
}

TEST(ReportLayout, FontsKeepTheirPointSizeOnTheDevice) {
  RecordingCanvas canvas;
  DrawReport(SampleLines(), kFonts, {0, 0, 4800}, canvas);

  EXPECT_EQ(canvas.drawn[0].font.height, kTitleHeight);
  EXPECT_TRUE(canvas.drawn[0].font.italic);
  EXPECT_EQ(canvas.drawn[0].font.family, "Arial");
  EXPECT_EQ(canvas.drawn[1].font.height, kHeadingHeight);
  EXPECT_FALSE(canvas.drawn[1].font.italic);
  EXPECT_EQ(canvas.drawn[2].font.height, kBodyHeight);

  EXPECT_EQ(DeviceFontHeight(12, 72), 12);
  EXPECT_EQ(DeviceFontHeight(12, 300), 50);
  EXPECT_EQ(DeviceFontHeight(9, 4), 0);   // 0.5
  EXPECT_EQ(DeviceFontHeight(27, 4), 2);  // 1.5
}

TEST(ReportLayout, UnitIsAnEighthOfThePrintableWidthRoundedHalfToEven) {
  EXPECT_EQ(LayoutUnit({0, 0, 4800}), 600);
  EXPECT_EQ(LayoutUnit({100, 0, 4900}), 600);
  EXPECT_EQ(LayoutUnit({0, 0, 4804}), 600);  // 600.5
  EXPECT_EQ(LayoutUnit({0, 0, 4812}), 602);  // 601.5
  EXPECT_EQ(LayoutUnit({0, 0, 4803}), 600);  // 600.375
}

}  // namespace
}  // namespace vantric
