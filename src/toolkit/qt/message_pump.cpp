#include "toolkit/qt/message_pump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace vantric {

bool PumpFree = true;

namespace {

class QuitWatcher : public QObject {
 public:
  explicit QuitWatcher(QWidget& main_window) : main_window_(&main_window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
      quit_requested_ = true;
    }
    return false;
  }

  bool QuitRequested() const { return quit_requested_; }

  [[noreturn]] void EndProgram() {
    if (main_window_) main_window_->close();
    // Nothing is kept between runs and the log file is closed after every report, so
    // there is nothing left to save.
    std::fflush(nullptr);
    std::_Exit(0);
  }

 private:
  QPointer<QWidget> main_window_;
  bool quit_requested_ = false;
};

QuitWatcher* watcher = nullptr;

void Pump(QEventLoop::ProcessEventsFlags flags) {
  if (!PumpFree) return;
  PumpFree = false;
  QCoreApplication::processEvents(flags);
  if (watcher != nullptr && watcher->QuitRequested()) watcher->EndProgram();
  PumpFree = true;
}

}  // namespace

void PumpMessages() { Pump(QEventLoop::AllEvents); }

void WaitWhileVisible(const QWidget& window) {
  // Checked before every sleep: the handler that hides the window may have run already.
  while (window.isVisible()) Pump(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void WatchForQuit(QWidget& main_window) {
  if (watcher != nullptr) return;
  watcher = new QuitWatcher(main_window);
  watcher->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace vantric
