// The report drawn by the printing code into a PDF file, read back as text: the whole page
// path short of the spooler.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "print_test_support.h"
#include "toolkit/qt/print_report.h"

namespace vantric {
namespace {

using testing::EnsureGuiApplication;
using testing::PdfTextLines;

TestResults OnlyReadsAndBursts() {
  TestResults r;
  r.PassCount = 2;
  r.flags.Read16On = true;
  r.flags.Read2On = true;
  r.flags.Burst2kOn = true;
  r.flags.Burst8kOn = true;
  r.flags.Burst16kOn = true;
  r.Read16Outside = 1200.5;
  r.Read16Center = 1199.5;
  r.Read16Inside = 1180;
  r.Read2Outside = 610;
  r.Read2Center = 605;
  r.Read2Inside = 600;
  r.BurstRate2k = 2400;
  r.BurstRate8k = 3500;
  r.BurstRate16k = 3900;
  r.DriveRatingText = "Drive rating: 8.0X";
  r.DriveTypeText = "Drive type: CLV";
  return r;
}

class PrintToPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    bool ok = false;
    testing::CommandOutput("command -v pdftotext", &ok);
    if (!ok) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    folder_ =
        std::filesystem::temp_directory_path() / ("vantric-print-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path folder_;
};

TEST_F(PrintToPdf, PageReadsBackInOrder) {
  const TestResults results = OnlyReadsAndBursts();
  const ReportContent content{results,     "9:05:00 AM", "9:07:13 AM", "", "ATAPI on PCI",
                              "486DX2/66", "",           32,           0};
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string path = (folder_ / "report.pdf").string();
  printer.setOutputFileName(QString::fromStdString(path));
  ASSERT_EQ(PrintReportOn(printer, ReportLines(content), testing::WindowReportFonts()),
            std::nullopt);

  const std::vector<std::string> lines = PdfTextLines(path);
  EXPECT_EQ(lines, testing::ExpectedPageLines(content));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Vantric 1.65 for Windows 95 - 2 Pass Test Results");
  EXPECT_EQ(lines[4], "ATAPI on PCI");  // the empty first text leaves only an empty line
  EXPECT_EQ(lines[7], "16k outside: 1200 kps");
  EXPECT_EQ(lines[8], "16k center: 1200 kps");
  EXPECT_EQ(lines[23], "User kps: Disabled");
  EXPECT_EQ(lines.back(), "Drive type: CLV");
}

}  // namespace
}  // namespace vantric
