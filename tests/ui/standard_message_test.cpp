// The standard message box: title, text, one OK button, no icon, at the reporter's corner.
#include "ui/standard_message.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(StandardMessageTest, ShowsAModalBoxAtTheReportingWindowsCorner) {
  EnsureApplication();
  QWidget reporter;
  reporter.setGeometry(130, 90, 300, 200);
  reporter.show();
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  int buttons = 0;
  QPoint corner;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    corner = box->frameGeometry().topLeft();
    box->button(QMessageBox::Ok)->click();
  });
  ShowStandardMessage(&reporter, "No valid test data available.");
  EXPECT_EQ(title, "Vantric 95/Pro");
  EXPECT_EQ(text, "No valid test data available.");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(corner, reporter.frameGeometry().topLeft());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace vantric::testing
