// The standard message box: title, text, one OK button, no icon, at the reporter's corner,
// wide enough for its caption.
#include "toolkit/qt/standard_message.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(StandardMessageTest, ShowsAModalBoxAtTheReportingWindowsCornerWithRoomForItsCaption) {
  EnsureApplication();
  QWidget reporter;
  reporter.setGeometry(130, 90, 300, 200);
  reporter.show();
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  int buttons = 0;
  QPoint corner;
  int width = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    corner = box->frameGeometry().topLeft();
    width = box->frameGeometry().width();
    box->button(QMessageBox::Ok)->click();
  });
  ShowStandardMessage(&reporter, "No valid test data available.");
  EXPECT_EQ(title, "Vantric 95/Pro");
  EXPECT_EQ(text, "No valid test data available.");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(corner, reporter.frameGeometry().topLeft());
  // A short message must not squeeze the title bar: the caption in bold beside a window icon
  // and three buttons, each a square about one and a half lines of text high.
  QFont title_font = QApplication::font();
  title_font.setBold(true);
  const QFontMetrics title_metrics(title_font);
  EXPECT_GE(width, title_metrics.horizontalAdvance("Vantric 95/Pro") + 6 * title_metrics.height());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace vantric::testing
