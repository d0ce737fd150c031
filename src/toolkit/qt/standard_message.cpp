#include "toolkit/qt/standard_message.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QWidget>

#include "toolkit/qt/classic_style.h"
#include "toolkit/qt/ui_fonts.h"

namespace vantric {
namespace {

MessageHandler& CurrentHandler() {
  static MessageHandler handler;
  return handler;
}

// Puts the box's frame on the reporting window's frame corner. Under an X window manager Qt
// learns a window's frame only once the window is on screen, so a position given before
// lands on the client area: the box would sit a title bar too high, over the reporter's own
// title bar. Until its frame is known the box is placed by its client area, as if its frame
// were the reporter's, and placed again by its frame as soon as the window manager has framed
// it. Later moves are the user's.
class FrameCornerKeeper : public QObject {
 public:
  FrameCornerKeeper(QWidget& box, const QWidget& reporter)
      : QObject(&box), box_(box), reporter_(reporter) {
    box.winId();  // from now on a move places the frame if its size is known, else the client
    const bool frame_known = box.frameGeometry() != box.geometry();
    box.move(frame_known ? reporter.frameGeometry().topLeft() : reporter.geometry().topLeft());
    box.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    // Whichever of these comes first after the window manager framed the box.
    const QEvent::Type type = event->type();
    if (type != QEvent::Move && type != QEvent::Paint && type != QEvent::WindowActivate) {
      return false;
    }
    const QRect frame = box_.frameGeometry();
    if (frame == box_.geometry()) return false;  // not framed yet, or never
    const QPoint corner = reporter_.frameGeometry().topLeft();
    if (frame.topLeft() != corner) box_.move(corner);
    box_.removeEventFilter(this);
    return false;
  }

 private:
  QWidget& box_;
  const QWidget& reporter_;
};

// Keeps the box wide enough for its title bar: the caption in a bold face beside the window's
// icon and the buttons window managers put there whatever the box asks for (minimise and
// maximise too). A short message alone makes the box so narrow that the caption is cut off.
void MakeRoomForCaption(QMessageBox& box) {
  QFont title_font = QApplication::font();
  title_font.setBold(true);
  const QFontMetrics title(title_font);
  const int icon_and_buttons = 8 * title.height();
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(title.horizontalAdvance(box.windowTitle()) + icon_and_buttons, 0,
                                QSizePolicy::Fixed, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void ShowMessageBox(QWidget* reporter, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, reporter,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                      Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  UseClassicPalette(box);
  box.setFont(DialogFont());
  MakeRoomForCaption(box);
  if (reporter != nullptr) new FrameCornerKeeper(box, *reporter->window());
  box.exec();
}

}  // namespace

void ShowStandardMessage(QWidget* reporter, const QString& text) {
  if (CurrentHandler()) {
    CurrentHandler()(reporter, text);
    return;
  }
  ShowMessageBox(reporter, text);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return previous;
}

}  // namespace vantric
