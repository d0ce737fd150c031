// The configuration dialog: defaults, Reset, the 16k dependency, the Ok checks with their
// messages, the log file name rules and the save dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

class ConfigurationDialogTest : public ::testing::Test {
 protected:
  ConfigurationDialogTest() : form_(rig_.Form2()), window_(Window(form_.window())) {
    window_.show();
  }
  ~ConfigurationDialogTest() override { window_.hide(); }

  QCheckBox* Box(const char* name) const { return Widget<QCheckBox>(form_.window(), name); }
  QLineEdit* Edit(const char* name) const { return Widget<QLineEdit>(form_.window(), name); }
  QPushButton* Button(const char* name) const { return Widget<QPushButton>(form_.window(), name); }

  // Presses Ok; the message shown, or "" when the dialog hid itself.
  QString PressOk() {
    messages_.texts.clear();
    window_.show();
    Button("Button2")->click();
    if (window_.isVisible()) {
      EXPECT_EQ(messages_.texts.size(), 1u);
      EXPECT_EQ(messages_.reporters.back(), &window_);
      return messages_.texts.empty() ? "(stayed open silently)" : messages_.texts.back();
    }
    EXPECT_TRUE(messages_.texts.empty());
    return "";
  }

  // Every check box checked but the user CPU test, the texts empty but one pass, the CPU
  // controls enabled.
  void ExpectDefaults() const {
    for (QCheckBox* box : window_.findChildren<QCheckBox*>()) {
      EXPECT_EQ(box->isChecked(), box != Box("cpuuser")) << box->objectName().toStdString();
    }
    EXPECT_EQ(Edit("userval")->text(), "");
    EXPECT_EQ(Edit("LogEdit")->text(), "");
    EXPECT_EQ(Edit("PassEdit")->text(), "1");
    for (QWidget* control : CpuControls()) EXPECT_TRUE(control->isEnabled());
  }

  std::vector<QWidget*> CpuControls() const {
    return {
        Box("cpu2x"),  Box("cpu4x"),   Box("cpu6x"),    Box("cpu8x"),
        Box("cpu12x"), Box("cpuuser"), Edit("userval"), Widget<QLabel>(form_.window(), "Label1")};
  }

  DesktopRig rig_;
  TForm2& form_;
  QWidget& window_;
  MessageRecorder messages_;
};

constexpr const char* kPasses = "Invalid number of test passes.";
constexpr const char* kUserRate = "Invalid speed for user selected CPU test.";
constexpr const char* kLogName = "Invalid log filename.";

TEST_F(ConfigurationDialogTest, SettingsComeFromTheControls) {
  Box("read2")->setChecked(false);
  Box("cpu8x")->setChecked(false);
  Box("cpuuser")->setChecked(true);
  Edit("userval")->setText("1000");
  Box("burst8k")->setChecked(false);
  Edit("LogEdit")->setText("run.log");
  Edit("PassEdit")->setText("3");
  const TestSettings settings = form_.Settings();
  EXPECT_FALSE(settings.read2);
  EXPECT_FALSE(settings.cpu8x);
  EXPECT_TRUE(settings.cpuuser);
  EXPECT_EQ(settings.userval, "1000");
  EXPECT_FALSE(settings.burst8k);
  EXPECT_TRUE(settings.burst16k);
  EXPECT_EQ(settings.LogEdit, "run.log");
  EXPECT_EQ(settings.PassEdit, "3");
}

TEST_F(ConfigurationDialogTest, UncheckingRead16DisablesTheCpuControlsWithoutUncheckingThem) {
  Box("cpuuser")->setChecked(true);
  Box("read16")->setChecked(false);
  for (QWidget* control : CpuControls()) {
    EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  }
  EXPECT_TRUE(Box("cpu12x")->isChecked());
  EXPECT_TRUE(Box("cpuuser")->isChecked());

  Box("read16")->setChecked(true);
  for (QWidget* control : CpuControls()) EXPECT_TRUE(control->isEnabled());

  Box("read16")->setChecked(false);
  Button("Button1")->click();  // Reset checks read16 again, and that enables them
  for (QWidget* control : CpuControls()) EXPECT_TRUE(control->isEnabled());
}

TEST_F(ConfigurationDialogTest, StartsWithTheDefaultsAndResetRestoresThem) {
  ExpectDefaults();
  EXPECT_TRUE(Button("Button2")->isDefault());
  for (QCheckBox* box : window_.findChildren<QCheckBox*>()) box->setChecked(!box->isChecked());
  Box("read16")->setChecked(true);
  Edit("userval")->setText("500");
  Edit("LogEdit")->setText("x.log");
  Edit("PassEdit")->setText("12");
  Button("Button1")->click();
  ExpectDefaults();
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(ConfigurationDialogTest, PassCountsOutsideOneTo99AreRefused) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"0", kPasses}, {"", kPasses}, {"abc", kPasses}, {"100", kPasses}, {"-2", kPasses},
      {"99", ""},     {"1", ""},     {" 7 ", ""},      {"3 passes", ""},
  };
  for (const auto& each : cases) {
    Edit("PassEdit")->setText(each.text);
    EXPECT_EQ(PressOk(), each.message) << '"' << each.text << '"';
    EXPECT_EQ(Edit("PassEdit")->text(), each.text) << "the entry is left as typed";
  }
}

TEST_F(ConfigurationDialogTest, UserRatesAreCheckedOnlyWhenTheUserTestIsSelected) {
  Edit("userval")->setText("abc");
  EXPECT_EQ(PressOk(), "");
  Box("cpuuser")->setChecked(true);
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", kUserRate}, {"0", kUserRate}, {"301", kUserRate}, {"-4", kUserRate}, {"300", ""},
  };
  for (const auto& each : cases) {
    Edit("userval")->setText(each.text);
    EXPECT_EQ(PressOk(), each.message) << '"' << each.text << '"';
  }
  // Only the first failing check is reported.
  Edit("userval")->setText("301");
  Edit("PassEdit")->setText("0");
  EXPECT_EQ(PressOk(), kPasses);
}

TEST_F(ConfigurationDialogTest, LogNamesAreTrimmedAndProbed) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());

  Edit("LogEdit")->setText("    ");
  EXPECT_EQ(PressOk(), "");
  EXPECT_EQ(Edit("LogEdit")->text(), "");

  const QString missing = folder.filePath("no such folder/run.log");
  Edit("LogEdit")->setText("  " + missing + "  ");
  EXPECT_EQ(PressOk(), kLogName);
  EXPECT_EQ(Edit("LogEdit")->text(), missing);

  const QString existing = folder.filePath("existing.log");
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier runs\r\n");
  }
  const QDateTime modified = QFileInfo(existing).lastModified();
  Edit("LogEdit")->setText(existing);
  EXPECT_EQ(PressOk(), "");
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "earlier runs\r\n");
  EXPECT_EQ(QFileInfo(existing).lastModified(), modified);

  const QString fresh = folder.filePath("fresh.log");
  Edit("LogEdit")->setText(" " + fresh);
  EXPECT_EQ(PressOk(), "");
  EXPECT_EQ(Edit("LogEdit")->text(), fresh);
  EXPECT_FALSE(QFileInfo::exists(fresh)) << "the probe left its file behind";
}

TEST_F(ConfigurationDialogTest, EscapeDoesNotCloseTheDialog) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&window_, &escape);
  EXPECT_TRUE(window_.isVisible());
  window_.close();
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(ConfigurationDialogTest, TabOrderRunsThroughTheGroupsThenTheButtons) {
  const std::vector<QWidget*> expected = {
      Box("read16"),   Box("read2"),      Box("seekfull"),   Box("seekrand"), Box("cpu2x"),
      Box("cpu4x"),    Box("cpu6x"),      Box("cpu8x"),      Edit("userval"), Box("cpuuser"),
      Box("cpu12x"),   Button("Button1"), Button("Button2"), Box("burst2k"),  Box("burst8k"),
      Box("burst16k"), Edit("LogEdit"),   Button("BitBtn1"), Edit("PassEdit")};
  QWidget* at = expected.front();
  for (size_t i = 1; i < expected.size(); ++i) {
    do {
      at = at->nextInFocusChain();
    } while (!(at->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(at, expected[i]) << "after " << expected[i - 1]->objectName().toStdString();
  }
  EXPECT_EQ(Widget<QPlainTextEdit>(form_.window(), "Memo1")->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(Widget<QPlainTextEdit>(form_.window(), "Memo1")->isReadOnly());
}

TEST_F(ConfigurationDialogTest, KeepsItsSettingsBetweenOpenings) {
  TForm1& main_window = rig_.Form1();
  window_.hide();
  main_window.window().Show();
  WhenShown(window_, [&] {
    Edit("PassEdit")->setText("5");
    Box("burst2k")->setChecked(false);
    Box("read16")->setChecked(false);
    Button("Button2")->click();
  });
  main_window.confbtClick();
  QString passes;
  bool burst2k = true;
  bool cpu_enabled = true;
  WhenShown(window_, [&] {
    passes = Edit("PassEdit")->text();
    burst2k = Box("burst2k")->isChecked();
    cpu_enabled = Box("cpu2x")->isEnabled();
    Button("Button2")->click();
  });
  main_window.confbtClick();
  main_window.window().Hide();
  EXPECT_EQ(passes, "5");
  EXPECT_FALSE(burst2k);
  EXPECT_FALSE(cpu_enabled);
}

TEST_F(ConfigurationDialogTest, TheSaveDialogIsSetUpAndItsAnswerFillsTheLogName) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QStringList offered;
  bool confirm = false;
  QString typed;
  rig_.toolkit.SetSaveDialogRunner([&](LogFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Save Log File As");
    EXPECT_EQ(dialog.defaultSuffix(), "log");
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog.nameFilters().join("").isEmpty() ||
                dialog.nameFilters() == QStringList{"All Files (*)"});
    offered.push_back(QFileInfo(dialog.selectedFiles().value(0)).fileName());
    if (confirm) dialog.selectFile(typed);
    return confirm;
  });

  Edit("LogEdit")->setText("kept.log");
  Button("BitBtn1")->click();  // cancelled
  EXPECT_EQ(Edit("LogEdit")->text(), "kept.log");

  confirm = true;
  typed = folder.filePath("drive");
  Button("BitBtn1")->click();
  EXPECT_EQ(Edit("LogEdit")->text(), folder.filePath("drive.log"));  // the suffix is added

  typed = folder.filePath("other.txt");
  Button("BitBtn1")->click();
  EXPECT_EQ(Edit("LogEdit")->text(), folder.filePath("other.txt"));

  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0], "vantric.log");
  EXPECT_EQ(offered[1], "vantric.log");  // a cancelled dialog changes nothing
  EXPECT_EQ(offered[2], "drive.log");    // then the name last chosen
}

TEST_F(ConfigurationDialogTest, TheSaveDialogRefusesANameInAMissingFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  LogFileDialog dialog(&window_, {"Save Log File As", "log", "vantric"});
  dialog.show();
  dialog.selectFile(folder.filePath("missing/run.log"));
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages_.texts.size(), 1u);
  EXPECT_TRUE(messages_.texts[0].contains("missing"));

  dialog.selectFile(folder.filePath("run.log"));
  dialog.accept();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vantric::testing
