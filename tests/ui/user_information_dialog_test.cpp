// The user information dialog.
#include <gtest/gtest.h>

#include <QApplication>
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

}  // namespace
}  // namespace vantric::testing
