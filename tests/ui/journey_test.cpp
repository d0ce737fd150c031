// Whole user journeys on a simulated drive: from "Run Test" through the run to Ok, "View
// Results" and the log file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

// Print is the last thing a completed run shows.
bool RunFinished(const DesktopRig& rig) {
  return !rig.results().RunInProgress && rig.Form3().window().Visible("Button2");
}

// What the results window shows: every label's text, with the window's caption.
std::map<QString, QString> ShownResults(const TForm3& form) {
  const QWidget& window = Window(form.window());
  std::map<QString, QString> shown{{"caption", window.windowTitle()}};
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->objectName().isEmpty()) shown[label->objectName()] = label->text();
  }
  return shown;
}

TEST(JourneyTest, RunTestThenOkThenViewResultsShowsTheSameResults) {
  DesktopRig rig;
  MessageRecorder messages;
  Form& main_window = rig.Form1().window();
  Form& results_window = rig.Form3().window();
  QPushButton* ok = Widget<QPushButton>(results_window, "Button1");
  main_window.Show();
  bool main_window_hidden_during_run = false;
  rig.pump.on_call = [&](int) { main_window_hidden_during_run |= !main_window.IsVisible(); };
  std::map<QString, QString> after_run;
  ClickWhen(
      [&] {
        if (!RunFinished(rig)) return false;
        after_run = ShownResults(rig.Form3());
        return true;
      },
      *ok);
  rig.Form1().testbtClick();

  EXPECT_TRUE(messages.texts.empty());
  EXPECT_TRUE(main_window_hidden_during_run);
  EXPECT_FALSE(results_window.IsVisible());
  EXPECT_TRUE(main_window.IsVisible());
  EXPECT_TRUE(rig.results().ResultsValid);
  EXPECT_TRUE(Widget<QPushButton>(main_window, "resultsbt")->isEnabled());
  EXPECT_EQ(after_run["caption"], "Vantric 1 Pass Test Results");
  EXPECT_EQ(after_run["read16vi"], "1200 kps");  // the ideal 8X drive: exactly 1200 KB/s
  EXPECT_TRUE(after_run["mindex"].startsWith("Multimedia"));
  EXPECT_TRUE(results_window.Visible("Button2"));
  EXPECT_TRUE(results_window.Visible("Button3"));
  EXPECT_FALSE(Widget<QPushButton>(results_window, "Button3")->isEnabled());
  EXPECT_FALSE(results_window.Visible("Panel1"));
  EXPECT_TRUE(Window(rig.Form4().window()).isHidden()) << "no log file, so no question";

  std::map<QString, QString> viewed;
  WhenShown(results_window, [&] {
    viewed = ShownResults(rig.Form3());
    ok->click();
  });
  rig.Form1().resultsbtClick();
  EXPECT_EQ(viewed, after_run);
  EXPECT_FALSE(results_window.IsVisible());
  EXPECT_TRUE(main_window.IsVisible());
  main_window.Hide();
}

TEST(JourneyTest, CancelDuringARunLeavesViewResultsDisabledEvenAfterAGoodRun) {
  DesktopRig rig;
  MessageRecorder messages;
  Form& main_window = rig.Form1().window();
  Form& results_window = rig.Form3().window();
  QPushButton* cancel = Widget<QPushButton>(results_window, "Button1");
  QPushButton* view_results = Widget<QPushButton>(main_window, "resultsbt");
  main_window.Show();
  ClickWhen([&] { return RunFinished(rig); }, *cancel);
  rig.Form1().testbtClick();
  ASSERT_TRUE(view_results->isEnabled());

  bool hidden_by_cancel_itself = false;
  const int calls_before = rig.pump.calls;
  rig.pump.on_call = [&](int call) {
    if (call == calls_before + 3) {
      cancel->click();
      hidden_by_cancel_itself = !results_window.IsVisible();
    }
  };
  rig.Form1().testbtClick();
  EXPECT_FALSE(hidden_by_cancel_itself) << "Cancel only asks; the run hides the window";
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Test aborted by user.");
  EXPECT_EQ(messages.reporters[0], &Window(results_window));
  EXPECT_FALSE(results_window.IsVisible());
  EXPECT_TRUE(main_window.IsVisible());
  EXPECT_FALSE(rig.results().ResultsValid);
  EXPECT_FALSE(view_results->isEnabled());
  main_window.Hide();
}

TEST(JourneyTest, ARunWithALogNameAsksForTheUserInformationAndWritesTheLog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString log_path = folder.filePath("drive.log");
  DesktopRig rig;
  MessageRecorder messages;
  const Form& dialog = rig.Form4().window();
  Widget<QLineEdit>(rig.Form2().window(), "LogEdit")->setText(log_path);
  Widget<QLineEdit>(rig.Form2().window(), "PassEdit")->setText("2");
  bool asked_after_last_pass = false;
  WhenShown(dialog, [&] {
    asked_after_last_pass = rig.Form3().window().Caption() == "Vantric 2 Pass Test Results";
    Widget<QLineEdit>(dialog, "Edit1")->setText("Simulated 8X drive");
    Widget<QLineEdit>(dialog, "Edit2")->setText("  IDE controller ");
    Widget<QPushButton>(dialog, "Button1")->click();
  });
  ClickWhen([&] { return RunFinished(rig); },
            *Widget<QPushButton>(rig.Form3().window(), "Button1"));
  rig.Form1().window().Show();
  rig.Form1().testbtClick();
  rig.Form1().window().Hide();

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
