// The results window's own operations.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(ResultsWindowTest, DescriptionsAreSeparatedByOneEmptyLine) {
  DesktopRig rig;
  TForm3& form = rig.Form3();
  const QPlainTextEdit* memo = Widget<QPlainTextEdit>(form.window(), "Memo1");
  form.DescribeStep(1);
  EXPECT_EQ(memo->toPlainText(), "Vantric is preparing your system for CD-ROM benchmarking.");
  form.DescribeStep(11);
  EXPECT_EQ(memo->toPlainText(),
            "Vantric is preparing your system for CD-ROM benchmarking.\n\n"
            "The multimedia index requires 16k read and 2X CPU test to be calculated.");
  form.ClearDescriptions();
  form.DescribeStep(11);
  EXPECT_EQ(memo->toPlainText(),
            "The multimedia index requires 16k read and 2X CPU test to be calculated.");
  EXPECT_TRUE(memo->isReadOnly());
}

TEST(ResultsWindowTest, Button1CancelsDuringARunAndHidesAfterIt) {
  DesktopRig rig;
  Form& form = rig.Form3().window();
  QPushButton* button = Widget<QPushButton>(form, "Button1");
  form.Show();
  rig.results().RunInProgress = true;
  button->click();
  EXPECT_TRUE(rig.desktop->engine().CancelRequested);
  EXPECT_TRUE(form.IsVisible());
  rig.results().RunInProgress = false;
  button->click();
  EXPECT_FALSE(form.IsVisible());
}

}  // namespace
}  // namespace vantric::testing
