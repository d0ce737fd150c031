// The report printed through the real print spooler: the job goes to the default printer
// that scripts/setup-cups sets up, whose backend writes it as a PDF file that is read back.
#include "print_spooler.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <iostream>
#include <memory>

#include "desktop_rig.h"
#include "print_journey.h"
#include "print_test_support.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;
using testing::DesktopRig;

constexpr int kJobSeconds = 90;
constexpr int kMisreadLetters = 2;

class PrintOnTheSpooler : public ::testing::Test {
 protected:
  void SetUp() override {
    rig_ = std::make_unique<DesktopRig>("8x-clv");
    std::string reason = spooler_.Unavailable();
    bool ok = false;
    testing::CommandOutput("command -v tesseract", &ok);
    if (reason.empty() && !ok) reason = "tesseract (tesseract-ocr) is not installed";
    if (!reason.empty()) GTEST_SKIP() << "Skipped: " << reason;
  }

  std::unique_ptr<DesktopRig> rig_;
  testing::PdfSpooler spooler_;
};

// The spooler's backend turns the job into PostScript and back, which keeps the look of the
// text but not its characters (pdftotext reads symbols), so the pages are read back by
// character recognition.
TEST_F(PrintOnTheSpooler, TwoPressesAfterARunGiveTwoIdenticalOnePageJobsOfTheReport) {
  DesktopRig& rig = *rig_;
  QTemporaryDir folder;
  testing::Widget<QLineEdit>(rig.Form2().window(), "LogEdit")
      ->setText(folder.filePath("results.log"));
  testing::DialogAnswers answers(rig.Form4(), {"Test Drive 8X"});
  // Stays: the run empties the texts first.
  testing::Widget<QLineEdit>(rig.Form4().window(), "Edit2")->setText("ATAPI, PCI");
  testing::MessageRecorder messages;
  const auto before = spooler_.Existing();
  QPushButton* print = testing::Widget<QPushButton>(rig.Form3().window(), "Button2");
  testing::RunThen(rig, [&] {
    print->click();
    print->click();
  });
  EXPECT_TRUE(messages.texts.empty()) << messages.texts.front().toStdString();
  EXPECT_EQ(answers.shown, 1);

  const TestResults& results = rig.results();
  const ReportContent content{results,
                              rig.system.FormatTime(results.StartTime),
                              rig.system.FormatTime(results.EndTime),
                              "Test Drive 8X",
                              "",
                              "",
                              rig.Form2().window().Text("userval"),
                              rig.desktop->engine().CdfsPrefetch,
                              rig.desktop->engine().CdfsCacheSize};
  const std::vector<fs::path> jobs = spooler_.AwaitNew(before, 2, kJobSeconds);
  ASSERT_EQ(jobs.size(), 2u) << "the spooler wrote no PDF into " << spooler_.folder() << " within "
                             << kJobSeconds << " s";
  bool ok = false;
  for (const fs::path& job : jobs) {
    const std::string pages =
        testing::CommandOutput("pdfinfo '" + job.string() + "' 2>/dev/null | grep '^Pages:'", &ok);
    EXPECT_EQ(testing::Squeezed(pages), "Pages: 1") << job;
  }

  // The title and every row, in order; recognition may misread a letter or two in a line.
  const std::vector<std::string> lines = testing::OcrTextLines(jobs[0]);
  std::string why;
  EXPECT_TRUE(testing::ReadsAs(lines, testing::ExpectedPageLines(content), kMisreadLetters, &why))
      << why;

  // The second job is the same page, to the pixel.
  const testing::GrayPage first = testing::RenderFirstPage(jobs[0], 100);
  EXPECT_FALSE(first.pixels.empty());
  EXPECT_EQ(testing::DifferingPixels(first, testing::RenderFirstPage(jobs[1], 100)), 0);

  // The page as an image, for a look by eye.
  const fs::path image = fs::current_path() / "printed_report_page";
  testing::CommandOutput("pdftoppm -png -r 100 -singlefile '" + jobs[0].string() + "' '" +
                             image.string() + "' 2>/dev/null",
                         &ok);
  EXPECT_TRUE(ok);
  std::cout << "Printed page: " << jobs[0] << ", rendered as " << image.string() << ".png\n";
}

}  // namespace
}  // namespace vantric
