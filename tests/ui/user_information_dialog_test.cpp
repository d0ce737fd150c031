// The user information dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
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

// Pasted text keeps only its first line, as in a Windows edit field: a line break would add
// lines of its own to the log.
TEST(UserInformationTest, APastedTextStopsAtItsFirstLineBreak) {
  DesktopRig rig;
  QLineEdit* edit = rig.Form4().Edit1_;
  edit->setText("ab");
  edit->setCursorPosition(1);
  QGuiApplication::clipboard()->setText("X\r\nRead Tests\r\n     16k outside: 9999 kps");
  edit->paste();
  EXPECT_EQ(rig.Form4().Edit1(), "aXb");
  EXPECT_EQ(edit->cursorPosition(), 2);
}

}  // namespace
}  // namespace vantric::testing
