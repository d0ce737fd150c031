// The user information dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(UserInformationTest, OkClosesAndTheTextsAreKeptAsTyped) {
  DesktopRig rig;
  TForm4& form = rig.Form4();
  QWidget& window = Window(form.window());
  EXPECT_EQ(Widget<QLabel>(form.window(), "Label1")->text(), "CD-ROM manufactuer and model");
  EXPECT_TRUE(Widget<QPushButton>(form.window(), "Button1")->isDefault());
  WhenShown(window, [&] {
    EXPECT_EQ(window.focusWidget(), Widget<QLineEdit>(form.window(), "Edit1"));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &escape);
    window.close();
    EXPECT_TRUE(window.isVisible()) << "only Ok closes the dialog";
    Widget<QLineEdit>(form.window(), "Edit1")->setText("  Drive ");
    QLineEdit* edit3 = Widget<QLineEdit>(form.window(), "Edit3");
    edit3->setText("P166");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit3, &enter);  // Enter presses Ok
  });
  form.Ask();
  EXPECT_FALSE(window.isVisible());
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
  QLineEdit* edit = Widget<QLineEdit>(rig.Form4().window(), "Edit1");
  edit->setText("ab");
  edit->setCursorPosition(1);
  QGuiApplication::clipboard()->setText("X\r\nRead Tests\r\n     16k outside: 9999 kps");
  edit->paste();
  EXPECT_EQ(rig.Form4().Edit1(), "aXb");
  EXPECT_EQ(edit->cursorPosition(), 2);
}

}  // namespace
}  // namespace vantric::testing
