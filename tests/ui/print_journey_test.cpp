// Pressing Print on the results window: when the user information dialog is asked for, what
// reaches the printer, and what the user is told when nothing could be printed.
#include "print_journey.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "desktop_rig.h"
#include "toolkit/qt/print_report.h"

namespace vantric {
namespace {

using testing::DesktopRig;
using testing::DialogAnswers;
using testing::RunThen;
using testing::Widget;
using testing::Window;

QPushButton* PrintButtonOf(DesktopRig& rig) {
  return Widget<QPushButton>(rig.Form3().window(), "Button2");
}

// Stands in for the default printer: keeps each job's lines.
class RecordingPrinter {
 public:
  RecordingPrinter() {
    SetPrintHandler([this](const std::vector<ReportLine>& lines, const ReportFonts& fonts) {
      jobs.push_back(lines);
      job_fonts.push_back(fonts);
      return answer;
    });
  }
  ~RecordingPrinter() { SetPrintHandler(nullptr); }

  std::vector<std::vector<ReportLine>> jobs;
  std::vector<ReportFonts> job_fonts;
  std::optional<std::string> answer;
};

// The state a completed run leaves behind, for the checks that need no run.
void CompleteRun(DesktopRig& rig) {
  TestResults& results = rig.results();
  results.PassCount = 2;
  results.flags.Read16On = true;
  results.Read16Outside = 1234;
  results.DriveRatingText = "Drive rating: 8.2X";
  results.DriveTypeText = "Drive type: CLV";
  results.ResultsValid = true;
}

std::string UserText(const std::vector<ReportLine>& job, int which) { return job[4 + which].text; }

TEST(PrintButton, AfterALoggedRunPrintsTheLoggedTextsWithoutAsking) {
  DesktopRig rig;
  QTemporaryDir folder;
  Widget<QLineEdit>(rig.Form2().window(), "LogEdit")->setText(folder.filePath("results.log"));
  DialogAnswers answers(rig.Form4(), {"Test Drive 8X"});
  RecordingPrinter printer;
  testing::MessageRecorder messages;

  RunThen(rig, [&] {
    EXPECT_EQ(answers.shown, 1) << "the log step asks";
    PrintButtonOf(rig)->click();
    PrintButtonOf(rig)->click();
  });

  EXPECT_EQ(answers.shown, 1) << "Print does not ask again";
  EXPECT_TRUE(messages.texts.empty());
  ASSERT_EQ(printer.jobs.size(), 2u);
  EXPECT_EQ(UserText(printer.jobs[0], 0), "Test Drive 8X");
  EXPECT_EQ(printer.jobs[0][0].text, "Vantric 1.65 for Windows 95 - 1 Pass Test Results");
  EXPECT_EQ(printer.jobs[0][8].value, "1200 kps");  // the ideal 8X drive
  EXPECT_EQ(printer.jobs[0][1].text,
            "Test Started: " + rig.system.FormatTime(rig.results().StartTime));
  // Each press prints the same report again.
  ASSERT_EQ(printer.jobs[1].size(), printer.jobs[0].size());
  for (size_t i = 0; i < printer.jobs[0].size(); ++i) {
    EXPECT_EQ(printer.jobs[1][i].text, printer.jobs[0][i].text);
    EXPECT_EQ(printer.jobs[1][i].value, printer.jobs[0][i].value);
  }
}

TEST(PrintButton, WithoutALogFileAsksUntilTheFirstTextIsNotBlank) {
  DesktopRig rig;
  DialogAnswers answers(rig.Form4(), {"   ", "Drive X"});
  RecordingPrinter printer;

  RunThen(rig, [&] {
    EXPECT_EQ(answers.shown, 0) << "no log file, so nobody asked yet";
    PrintButtonOf(rig)->click();
    EXPECT_EQ(answers.shown, 1);
    EXPECT_FALSE(rig.results().UserInfoGiven);  // spaces only count as blank
    PrintButtonOf(rig)->click();
    EXPECT_EQ(answers.shown, 2);
    EXPECT_TRUE(rig.results().UserInfoGiven);
    PrintButtonOf(rig)->click();
    EXPECT_EQ(answers.shown, 2);
  });

  ASSERT_EQ(printer.jobs.size(), 3u);
  EXPECT_EQ(UserText(printer.jobs[0], 0), "   ");  // printed as typed
  EXPECT_EQ(UserText(printer.jobs[1], 0), "Drive X");
  EXPECT_EQ(UserText(printer.jobs[2], 0), "Drive X");
}

TEST(PrintButton, TakesTheFontsFromTheHiddenFontLabelsAndTheRateAsTyped) {
  DesktopRig rig;
  CompleteRun(rig);
  rig.results().UserInfoGiven = true;
  Widget<QLineEdit>(rig.Form2().window(), "userval")->setText("1500");
  DialogAnswers answers(rig.Form4(), {});
  RecordingPrinter printer;

  PrintButtonOf(rig)->click();

  EXPECT_EQ(answers.shown, 0);

  ASSERT_EQ(printer.jobs.size(), 1u);
  const ReportFonts& fonts = printer.job_fonts[0];
  EXPECT_EQ(fonts.title.family, "Arial");
  EXPECT_EQ(fonts.title.point_size, 16);
  EXPECT_TRUE(fonts.title.italic);
  EXPECT_EQ(fonts.heading.point_size, 14);
  EXPECT_FALSE(fonts.heading.italic);
  EXPECT_EQ(fonts.body.point_size, 12);
  EXPECT_EQ(printer.jobs[0][24].text, "User 1500kps: ");
  EXPECT_EQ(printer.jobs[0][24].value, "Disabled");
}

TEST(PrintButton, AJobThatCannotBePrintedIsReportedAndChangesNothing) {
  DesktopRig rig;
  CompleteRun(rig);
  rig.results().UserInfoGiven = true;
  Form& window = rig.Form3().window();
  window.Show();
  const std::string caption = window.Caption();
  testing::MessageRecorder messages;
  RecordingPrinter printer;
  printer.answer = "There is no default printer.";
  DialogAnswers answers(rig.Form4(), {});

  PrintButtonOf(rig)->click();

  EXPECT_EQ(answers.shown, 0);

  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "There is no default printer.");
  EXPECT_EQ(messages.reporters[0], &Window(window));
  EXPECT_TRUE(window.IsVisible());
  EXPECT_EQ(window.Caption(), caption);
  EXPECT_TRUE(rig.results().ResultsValid);
  window.Hide();
}

}  // namespace
}  // namespace vantric
