#include "ui/print/print_report.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "print_test_support.h"
#include "ui/print/painter_canvas.h"

namespace vantric {
namespace {

using testing::EnsureGuiApplication;
using testing::WindowReportFonts;

QFont PixelFont(int pixel_height, bool italic) {
  QFont font("Arial");
  font.setPixelSize(pixel_height);
  font.setItalic(italic);
  return font;
}

TEST(ReportFontOf, TheWindowsPixelSizesGiveTheReportsPointSizes) {
  EnsureGuiApplication();
  const ReportFontSpec title = ReportFontOf(PixelFont(21, true));
  EXPECT_EQ(title.family, "Arial");
  EXPECT_EQ(title.point_size, 16);  // 15.75
  EXPECT_TRUE(title.italic);
  EXPECT_FALSE(title.bold);
  EXPECT_EQ(ReportFontOf(PixelFont(19, false)).point_size, 14);  // 14.25
  EXPECT_EQ(ReportFontOf(PixelFont(16, false)).point_size, 12);
  QFont in_points("Arial", 14);
  in_points.setBold(true);
  EXPECT_EQ(ReportFontOf(in_points).point_size, 14);
  EXPECT_TRUE(ReportFontOf(in_points).bold);
}

// Bounding box of the dark pixels.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(PainterCanvas, PlacesTextByItsTopLeftCornerAndMeasuresOnTheDevice) {
  EnsureGuiApplication();
  QImage image(900, 300, QImage::Format_RGB32);
  image.setDotsPerMeterX(11811);  // 300 dots per inch
  image.setDotsPerMeterY(11811);
  image.fill(Qt::white);
  QPainter painter(&image);
  PainterCanvas canvas(painter);

  EXPECT_EQ(canvas.VerticalDpi(), 300);
  canvas.SetFont({"Arial", 60, false, false});
  const int line_height = canvas.LineHeight();
  EXPECT_GE(line_height, 60);
  EXPECT_LE(line_height, 75);
  const int width = canvas.TextWidth("HHHH");
  EXPECT_GT(width, 4 * 30);
  EXPECT_GT(canvas.TextWidth("HHHHHHHH"), width);
  EXPECT_EQ(canvas.TextWidth(""), 0);

  canvas.TextOut(100, 120, "HHHH");
  painter.end();
  const QRect ink = InkBox(image);
  ASSERT_FALSE(ink.isNull());
  // The capitals hang from the top of the line, inside it.
  EXPECT_GE(ink.top(), 120);
  EXPECT_LE(ink.top(), 120 + line_height / 3);
  EXPECT_LT(ink.bottom(), 120 + line_height);
  EXPECT_GE(ink.left(), 100);
  EXPECT_LE(ink.left(), 100 + 10);
  EXPECT_LE(ink.right(), 100 + width);
  EXPECT_GE(ink.right(), 100 + width - 15);
}

TestResults SomeResults() {
  TestResults results;
  results.PassCount = 1;
  results.DriveRatingText = "Drive rating: not tested";
  results.DriveTypeText = "Drive type: not tested";
  return results;
}

TEST(PrintReport, WithoutADefaultPrinterTellsTheUserAndPrintsNothing) {
  EnsureGuiApplication();
  const TestResults results = SomeResults();
  const std::optional<QString> message = PrintReport(
      {results, "1:00", "1:01", "", "", "", "", 0, 0}, WindowReportFonts(), QPrinterInfo());
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(*message,
            "There is no default printer. Set one up in the system's printer settings, then "
            "press Print again.");
}

TEST(PrintReport, AJobThatCannotStartTellsTheUser) {
  EnsureGuiApplication();
  const TestResults results = SomeResults();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/vantric/report.pdf");
  const std::optional<QString> message =
      PrintReportOn(printer, {results, "1:00", "1:01", "", "", "", "", 0, 0}, WindowReportFonts());
  ASSERT_TRUE(message.has_value());
  EXPECT_TRUE(message->contains("could not be started")) << message->toStdString();
}

}  // namespace
}  // namespace vantric
