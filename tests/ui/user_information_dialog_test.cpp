// The user information dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(UserInformationTest, OkClosesAndTheTextsAreKeptAsTyped) {
  DesktopRig rig;
  TForm4& form = rig.Form4();
  EXPECT_EQ(form.Label1->text(), "CD-ROM manufactuer and model");
  EXPECT_TRUE(form.Button1->isDefault());
  WhenShown(form, [&] {
    EXPECT_EQ(form.focusWidget(), form.Edit1_);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &escape);
    form.close();
    EXPECT_TRUE(form.isVisible()) << "only Ok closes the dialog";
    form.Edit1_->setText("  Drive ");
    form.Edit3_->setText("P166");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(form.Edit3_, &enter);  // Enter presses Ok
  });
  form.Ask();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.Edit1(), "  Drive ");
  EXPECT_EQ(form.Edit2(), "");
  EXPECT_EQ(form.Edit3(), "P166");
  form.Clear();
  EXPECT_EQ(form.Edit1(), "");
  EXPECT_EQ(form.Edit3(), "");
}

}  // namespace
}  // namespace vantric::testing
