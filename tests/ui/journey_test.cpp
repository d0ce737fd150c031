// Whole user journeys on a simulated drive: from "Run Test" through the run to Ok, "View
// Results" and the log file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

// Print is the last thing a completed run shows.
bool RunFinished(const DesktopRig& rig) {
  return !rig.results().RunInProgress && rig.Form3().Button2->isVisibleTo(&rig.Form3());
}

// What the results window shows: every label's text, with the window's caption.
std::map<QString, QString> ShownResults(const TForm3& window) {
  std::map<QString, QString> shown{{"caption", window.windowTitle()}};
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->objectName().isEmpty()) shown[label->objectName()] = label->text();
  }
  return shown;
}

TEST(JourneyTest, RunTestThenOkThenViewResultsShowsTheSameResults) {
  DesktopRig rig;
  MessageRecorder messages;
  TForm1& main_window = rig.Form1();
  TForm3& results_window = rig.Form3();
  main_window.show();
  bool main_window_hidden_during_run = false;
  rig.pump.on_call = [&](int) { main_window_hidden_during_run |= !main_window.isVisible(); };
  std::map<QString, QString> after_run;
  ClickWhen(
      [&] {
        if (!RunFinished(rig)) return false;
        after_run = ShownResults(results_window);
        return true;
      },
      *results_window.Button1);
  main_window.testbtClick();

  EXPECT_TRUE(messages.texts.empty());
  EXPECT_TRUE(main_window_hidden_during_run);
  EXPECT_FALSE(results_window.isVisible());
  EXPECT_TRUE(main_window.isVisible());
  EXPECT_TRUE(rig.results().ResultsValid);
  EXPECT_TRUE(main_window.resultsbt->isEnabled());
  EXPECT_EQ(after_run["caption"], "Vantric 1 Pass Test Results");
  EXPECT_EQ(after_run["read16vi"], "1200 kps");  // the ideal 8X drive: exactly 1200 KB/s
  EXPECT_TRUE(after_run["mindex"].startsWith("Multimedia"));
  EXPECT_TRUE(results_window.Button2->isVisibleTo(&results_window));
  EXPECT_TRUE(results_window.Button3->isVisibleTo(&results_window));
  EXPECT_FALSE(results_window.Button3->isEnabled());
  EXPECT_FALSE(results_window.Panel1->isVisibleTo(&results_window));
  EXPECT_TRUE(rig.Form4().isHidden()) << "no log file, so no question";

  std::map<QString, QString> viewed;
  WhenShown(results_window, [&] {
    viewed = ShownResults(results_window);
    results_window.Button1->click();
  });
  main_window.resultsbtClick();
  EXPECT_EQ(viewed, after_run);
  EXPECT_FALSE(results_window.isVisible());
  EXPECT_TRUE(main_window.isVisible());
  main_window.hide();
}

TEST(JourneyTest, CancelDuringARunLeavesViewResultsDisabledEvenAfterAGoodRun) {
  DesktopRig rig;
  MessageRecorder messages;
  TForm1& main_window = rig.Form1();
  TForm3& results_window = rig.Form3();
  main_window.show();
  ClickWhen([&] { return RunFinished(rig); }, *results_window.Button1);
  main_window.testbtClick();
  ASSERT_TRUE(main_window.resultsbt->isEnabled());

  bool hidden_by_cancel_itself = false;
  const int calls_before = rig.pump.calls;
  rig.pump.on_call = [&](int call) {
    if (call == calls_before + 3) {
      results_window.Button1->click();
      hidden_by_cancel_itself = !results_window.isVisible();
    }
  };
  main_window.testbtClick();
  EXPECT_FALSE(hidden_by_cancel_itself) << "Cancel only asks; the run hides the window";
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Test aborted by user.");
  EXPECT_EQ(messages.reporters[0], &results_window);
  EXPECT_FALSE(results_window.isVisible());
  EXPECT_TRUE(main_window.isVisible());
  EXPECT_FALSE(rig.results().ResultsValid);
  EXPECT_FALSE(main_window.resultsbt->isEnabled());
  main_window.hide();
}

TEST(JourneyTest, ARunWithALogNameAsksForTheUserInformationAndWritesTheLog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString log_path = folder.filePath("drive.log");
  DesktopRig rig;
  MessageRecorder messages;
  rig.Form2().LogEdit->setText(log_path);
  rig.Form2().PassEdit->setText("2");
  bool asked_after_last_pass = false;
  WhenShown(rig.Form4(), [&] {
    asked_after_last_pass = rig.Form3().windowTitle() == "Vantric 2 Pass Test Results";
    rig.Form4().Edit1_->setText("Simulated 8X drive");
    rig.Form4().Edit2_->setText("  IDE controller ");
    rig.Form4().Button1->click();
  });
  ClickWhen([&] { return RunFinished(rig); }, *rig.Form3().Button1);
  rig.Form1().show();
  rig.Form1().testbtClick();
  rig.Form1().hide();

  EXPECT_TRUE(messages.texts.empty());
  EXPECT_TRUE(asked_after_last_pass);
  EXPECT_TRUE(rig.results().UserInfoGiven);
  QFile log(log_path);
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QByteArray text = log.readAll();
  EXPECT_TRUE(text.contains("Simulated 8X drive"));
  EXPECT_TRUE(text.contains("  IDE controller "));  // as typed, blanks and all
  EXPECT_TRUE(text.contains("\r\n"));
}

}  // namespace
}  // namespace vantric::testing
