// The configuration dialog: defaults, Reset, the 16k dependency, the Ok checks with their
// messages, the log file name rules and the save dialog.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

class ConfigurationDialogTest : public ::testing::Test {
 protected:
  ConfigurationDialogTest() : form_(rig_.Form2()) { form_.show(); }
  ~ConfigurationDialogTest() override { form_.hide(); }

  // Presses Ok; the message shown, or "" when the dialog hid itself.
  QString PressOk() {
    messages_.texts.clear();
    form_.show();
    form_.Button2->click();
    if (form_.isVisible()) {
      EXPECT_EQ(messages_.texts.size(), 1u);
      EXPECT_EQ(messages_.reporters.back(), &form_);
      return messages_.texts.empty() ? "(stayed open silently)" : messages_.texts.back();
    }
    EXPECT_TRUE(messages_.texts.empty());
    return "";
  }

  // Every check box checked but the user CPU test, the texts empty but one pass, the CPU
  // controls enabled.
  void ExpectDefaults() const {
    for (QCheckBox* box : form_.findChildren<QCheckBox*>()) {
      EXPECT_EQ(box->isChecked(), box != form_.cpuuser) << box->objectName().toStdString();
    }
    EXPECT_EQ(form_.userval->text(), "");
    EXPECT_EQ(form_.LogEdit->text(), "");
    EXPECT_EQ(form_.PassEdit->text(), "1");
    for (QWidget* control : CpuControls()) EXPECT_TRUE(control->isEnabled());
  }

  std::vector<QWidget*> CpuControls() const {
    return {form_.cpu2x,  form_.cpu4x,   form_.cpu6x,   form_.cpu8x,
            form_.cpu12x, form_.cpuuser, form_.userval, form_.Label1};
  }

  DesktopRig rig_;
  TForm2& form_;
  MessageRecorder messages_;
};

constexpr const char* kPasses = "Invalid number of test passes.";
constexpr const char* kUserRate = "Invalid speed for user selected CPU test.";
constexpr const char* kLogName = "Invalid log filename.";

TEST_F(ConfigurationDialogTest, SettingsComeFromTheControls) {
  form_.read2->setChecked(false);
  form_.cpu8x->setChecked(false);
  form_.cpuuser->setChecked(true);
  form_.userval->setText("1000");
  form_.burst8k->setChecked(false);
  form_.LogEdit->setText("run.log");
  form_.PassEdit->setText("3");
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
  form_.cpuuser->setChecked(true);
  form_.read16->setChecked(false);
  for (QWidget* control : CpuControls()) {
    EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  }
  EXPECT_TRUE(form_.cpu12x->isChecked());
  EXPECT_TRUE(form_.cpuuser->isChecked());

  form_.read16->setChecked(true);
  for (QWidget* control : CpuControls()) EXPECT_TRUE(control->isEnabled());

  form_.read16->setChecked(false);
  form_.Button1->click();  // Reset checks read16 again, and that enables them
  for (QWidget* control : CpuControls()) EXPECT_TRUE(control->isEnabled());
}

TEST_F(ConfigurationDialogTest, StartsWithTheDefaultsAndResetRestoresThem) {
  ExpectDefaults();
  EXPECT_TRUE(form_.Button2->isDefault());
  for (QCheckBox* box : form_.findChildren<QCheckBox*>()) box->setChecked(!box->isChecked());
  form_.read16->setChecked(true);
  form_.userval->setText("500");
  form_.LogEdit->setText("x.log");
  form_.PassEdit->setText("12");
  form_.Button1->click();
  ExpectDefaults();
  EXPECT_TRUE(form_.isVisible());
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
    form_.PassEdit->setText(each.text);
    EXPECT_EQ(PressOk(), each.message) << '"' << each.text << '"';
    EXPECT_EQ(form_.PassEdit->text(), each.text) << "the entry is left as typed";
  }
}

TEST_F(ConfigurationDialogTest, UserRatesAreCheckedOnlyWhenTheUserTestIsSelected) {
  form_.userval->setText("abc");
  EXPECT_EQ(PressOk(), "");
  form_.cpuuser->setChecked(true);
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", kUserRate}, {"0", kUserRate}, {"301", kUserRate}, {"-4", kUserRate}, {"300", ""},
  };
  for (const auto& each : cases) {
    form_.userval->setText(each.text);
    EXPECT_EQ(PressOk(), each.message) << '"' << each.text << '"';
  }
  // Only the first failing check is reported.
  form_.userval->setText("301");
  form_.PassEdit->setText("0");
  EXPECT_EQ(PressOk(), kPasses);
}

TEST_F(ConfigurationDialogTest, LogNamesAreTrimmedAndProbed) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());

  form_.LogEdit->setText("    ");
  EXPECT_EQ(PressOk(), "");
  EXPECT_EQ(form_.LogEdit->text(), "");

  const QString missing = folder.filePath("no such folder/run.log");
  form_.LogEdit->setText("  " + missing + "  ");
  EXPECT_EQ(PressOk(), kLogName);
  EXPECT_EQ(form_.LogEdit->text(), missing);

  const QString existing = folder.filePath("existing.log");
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier runs\r\n");
  }
  const QDateTime modified = QFileInfo(existing).lastModified();
  form_.LogEdit->setText(existing);
  EXPECT_EQ(PressOk(), "");
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "earlier runs\r\n");
  EXPECT_EQ(QFileInfo(existing).lastModified(), modified);

  const QString fresh = folder.filePath("fresh.log");
  form_.LogEdit->setText(" " + fresh);
  EXPECT_EQ(PressOk(), "");
  EXPECT_EQ(form_.LogEdit->text(), fresh);
  EXPECT_FALSE(QFileInfo::exists(fresh)) << "the probe left its file behind";
}

TEST_F(ConfigurationDialogTest, EscapeDoesNotCloseTheDialog) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&form_, &escape);
  EXPECT_TRUE(form_.isVisible());
  form_.close();
  EXPECT_TRUE(form_.isVisible());
}

TEST_F(ConfigurationDialogTest, TabOrderRunsThroughTheGroupsThenTheButtons) {
  const std::vector<QWidget*> expected = {
      form_.read16,   form_.read2,   form_.seekfull, form_.seekrand, form_.cpu2x,
      form_.cpu4x,    form_.cpu6x,   form_.cpu8x,    form_.userval,  form_.cpuuser,
      form_.cpu12x,   form_.Button1, form_.Button2,  form_.burst2k,  form_.burst8k,
      form_.burst16k, form_.LogEdit, form_.BitBtn1,  form_.PassEdit};
  QWidget* at = expected.front();
  for (size_t i = 1; i < expected.size(); ++i) {
    do {
      at = at->nextInFocusChain();
    } while (!(at->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(at, expected[i]) << "after " << expected[i - 1]->objectName().toStdString();
  }
  EXPECT_EQ(form_.Memo1->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(form_.Memo1->isReadOnly());
}

TEST_F(ConfigurationDialogTest, KeepsItsSettingsBetweenOpenings) {
  TForm1& main_window = rig_.Form1();
  form_.hide();
  main_window.show();
  WhenShown(form_, [&] {
    form_.PassEdit->setText("5");
    form_.burst2k->setChecked(false);
    form_.read16->setChecked(false);
    form_.Button2->click();
  });
  main_window.confbtClick();
  QString passes;
  bool burst2k = true;
  bool cpu_enabled = true;
  WhenShown(form_, [&] {
    passes = form_.PassEdit->text();
    burst2k = form_.burst2k->isChecked();
    cpu_enabled = form_.cpu2x->isEnabled();
    form_.Button2->click();
  });
  main_window.confbtClick();
  main_window.hide();
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
  form_.SetSaveDialogRunner([&](LogFileDialog& dialog) {
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

  form_.LogEdit->setText("kept.log");
  form_.BitBtn1->click();  // cancelled
  EXPECT_EQ(form_.LogEdit->text(), "kept.log");

  confirm = true;
  typed = folder.filePath("drive");
  form_.BitBtn1->click();
  EXPECT_EQ(form_.LogEdit->text(), folder.filePath("drive.log"));  // the suffix is added

  typed = folder.filePath("other.txt");
  form_.BitBtn1->click();
  EXPECT_EQ(form_.LogEdit->text(), folder.filePath("other.txt"));

  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0], "vantric.log");
  EXPECT_EQ(offered[1], "vantric.log");  // a cancelled dialog changes nothing
  EXPECT_EQ(offered[2], "drive.log");    // then the name last chosen
}

TEST_F(ConfigurationDialogTest, TheSaveDialogRefusesANameInAMissingFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  LogFileDialog& dialog = *form_.SaveDialog1;
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
