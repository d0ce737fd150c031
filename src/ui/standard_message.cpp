#include "ui/standard_message.h"

#include <QMessageBox>
#include <QWidget>

#include "ui/ui_fonts.h"

namespace vantric {
namespace {

MessageHandler& CurrentHandler() {
  static MessageHandler handler;
  return handler;
}

void ShowMessageBox(QWidget* reporter, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, reporter);
  box.setFont(DialogFont());
  if (reporter != nullptr) {
    // Moved before it is shown, so the box is not centred over its parent.
    box.move(reporter->window()->frameGeometry().topLeft());
  }
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
