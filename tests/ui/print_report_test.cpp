#include "toolkit/qt/print_report.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "forms/results_window.h"
#include "print_test_support.h"
#include "toolkit/qt/painter_canvas.h"

namespace vantric {
namespace {

using testing::EnsureGuiApplication;
using testing::WindowReportFonts;

TEST(ReportFontOf, TheWindowsPixelSizesGiveTheReportsPointSizes) {
  const ReportFontSpec title = ReportFontOf({"Arial", 21, false, true});
  EXPECT_EQ(title.family, "Arial");
  EXPECT_EQ(title.point_size, 16);  // 15.75
  EXPECT_TRUE(title.italic);
  EXPECT_FALSE(title.bold);
  EXPECT_EQ(ReportFontOf({"Arial", 19}).point_size, 14);  // 14.25
  EXPECT_EQ(ReportFontOf({"Arial", 16}).point_size, 12);
  const ReportFontSpec bold = ReportFontOf({"Arial", 15, true});
  EXPECT_EQ(bold.point_size, 11);  // 11.25
  EXPECT_TRUE(bold.bold);
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
  const std::optional<std::string> message =
      PrintReport(ReportLines({results, "1:00", "1:01", "", "", "", "", 0, 0}), WindowReportFonts(),
                  QPrinterInfo());
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
  const std::optional<std::string> message = PrintReportOn(
      printer, ReportLines({results, "1:00", "1:01", "", "", "", "", 0, 0}), WindowReportFonts());
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find("could not be started"), std::string::npos) << *message;
}

}  // namespace
}  // namespace vantric
