// The results window's own operations.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(ResultsWindowTest, DescriptionsAreSeparatedByOneEmptyLine) {
  DesktopRig rig;
  TForm3& form = rig.Form3();
  form.DescribeStep(1);
  EXPECT_EQ(form.Memo1->toPlainText(), "Vantric is preparing your system for CD-ROM benchmarking.");
  form.DescribeStep(11);
  EXPECT_EQ(form.Memo1->toPlainText(),
            "Vantric is preparing your system for CD-ROM benchmarking.\n\n"
            "The multimedia index requires 16k read and 2X CPU test to be calculated.");
  form.ClearDescriptions();
  form.DescribeStep(11);
  EXPECT_EQ(form.Memo1->toPlainText(),
            "The multimedia index requires 16k read and 2X CPU test to be calculated.");
  EXPECT_TRUE(form.Memo1->isReadOnly());
}

TEST(ResultsWindowTest, Button1CancelsDuringARunAndHidesAfterIt) {
  DesktopRig rig;
  TForm3& form = rig.Form3();
  form.show();
  rig.results().RunInProgress = true;
  form.Button1->click();
  EXPECT_TRUE(rig.desktop->engine().CancelRequested);
  EXPECT_TRUE(form.isVisible());
  rig.results().RunInProgress = false;
  form.Button1->click();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace vantric::testing
