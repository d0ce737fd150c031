// The report printed through the real print spooler: the job goes to the default printer
// that scripts/setup-cups sets up, whose backend writes it as a PDF file that is read back.
#include "print_spooler.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <iostream>
#include <memory>

#include "desktop_rig.h"
#include "print_test_support.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;
using testing::DesktopRig;

constexpr int kJobSeconds = 90;

// What a completed one-pass run with a log file leaves behind, measured by the read, seek and
// burst tests on the simulated drive; the CPU tests stay off.
void SimulatedRun(DesktopRig& rig) {
  Engine& engine = rig.desktop->engine();
  TestResults& r = rig.results();
  engine.CounterFrequency = rig.simulation->clock().Frequency();
  engine.CounterTicksPerMs = static_cast<double>(engine.CounterFrequency) * 0.001;
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  engine.UseBaselines(r);
  r.PassCount = 1;
  r.StartTime = rig.system.GetLocalTime();
  r.flags.Read16On = r.flags.Read2On = true;
  r.flags.OverheadOn = r.flags.FullStrokeOn = r.flags.RandomAccessOn = true;
  r.flags.Burst2kOn = r.flags.Burst8kOn = r.flags.Burst16kOn = true;
  r.Read16Inside = engine.RunRead16kTest(512);
  r.Read2Inside = engine.RunRead2kTest(2048);
  r.Read16Center = engine.RunRead16kTest(150000);
  r.Read2Center = engine.RunRead2kTest(152536);
  r.Read16Outside = engine.RunRead16kTest(298500);
  r.Read2Outside = engine.RunRead2kTest(296000);
  r.SeekOverhead = engine.RunSeekOverheadTest();
  r.FullStrokeTime = engine.RunFullStrokeTest();
  r.RandomAccessTime = engine.RunRandomAccessTest();
  r.BurstRate2k = engine.RunBurstTest(1);
  r.BurstRate8k = engine.RunBurstTest(4);
  r.BurstRate16k = engine.RunBurstTest(8);
  rig.system.now.minute += 2;
  r.EndTime = rig.system.GetLocalTime();
  r.DriveRatingText = "Drive rating: 8.0X";
  r.DriveTypeText = "Drive type: CLV";
  r.ResultsValid = true;
  rig.Form4().Edit1_->setText("Mitsumi FX800");
  rig.Form4().Edit2_->setText("ATAPI, PCI");
  rig.Form4().Edit3_->setText("P166");
  r.UserInfoGiven = true;
}

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
TEST_F(PrintOnTheSpooler, TwoPressesGiveTwoIdenticalOnePageJobsOfTheReport) {
  SimulatedRun(*rig_);
  const TestResults& results = rig_->results();
  const ReportContent content{results,
                              rig_->system.FormatTime(results.StartTime),
                              rig_->system.FormatTime(results.EndTime),
                              "Mitsumi FX800",
                              "ATAPI, PCI",
                              "P166",
                              "",
                              0,
                              0};
  const auto before = spooler_.Existing();
  testing::MessageRecorder messages;
  rig_->Form3().Button2->click();
  rig_->Form3().Button2->click();
  EXPECT_TRUE(messages.texts.empty()) << messages.texts.front().toStdString();

  const std::vector<fs::path> jobs = spooler_.AwaitNew(before, 2, kJobSeconds);
  ASSERT_EQ(jobs.size(), 2u) << "the spooler wrote no PDF into " << spooler_.folder() << " within "
                             << kJobSeconds << " s";
  bool ok = false;
  for (const fs::path& job : jobs) {
    const std::string pages =
        testing::CommandOutput("pdfinfo '" + job.string() + "' 2>/dev/null | grep '^Pages:'", &ok);
    EXPECT_EQ(testing::Squeezed(pages), "Pages: 1") << job;
  }

  const std::vector<std::string> lines = testing::OcrTextLines(jobs[0]);
  EXPECT_EQ(lines, testing::ExpectedPageLines(content));
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(lines[0], "Vantric 1.65 for Windows 95 - 1 Pass Test Results");
  EXPECT_EQ(lines[4], "Mitsumi FX800");
  EXPECT_EQ(lines[7], "Read Tests");
  EXPECT_EQ(lines[8], "16k outside: 1200 kps");
  EXPECT_EQ(lines[14], "Seek Tests");
  EXPECT_EQ(lines[19], "2X 300kps: Disabled");
  EXPECT_EQ(lines[24], "User kps: Disabled");
  EXPECT_EQ(lines[25], "Burst Tests");
  EXPECT_EQ(lines[30], "CDFS read ahead: unknown/or WinNT");
  EXPECT_EQ(lines[33], "Multimedia Index: requires 16k read and 2X cpu test");
  EXPECT_EQ(lines[36], "Drive type: CLV");

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
