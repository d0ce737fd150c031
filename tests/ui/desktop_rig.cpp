#include "desktop_rig.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "toolkit/qt/standard_message.h"

namespace vantric::testing {
namespace {

class ShowWatcher : public QObject {
 public:
  ShowWatcher(QWidget& window, std::function<void()> action)
      : QObject(&window), action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && action_) {
      QTimer::singleShot(0, watched, std::move(action_));
      action_ = nullptr;
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "vantric-ui-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    auto* made = new QApplication(argc, argv);
    PrepareApplication();
    return made;
  }();
  (void)application;
}

MessageRecorder::MessageRecorder() {
  SetMessageHandler([this](QWidget* reporter, const QString& text) {
    texts.push_back(text);
    reporters.push_back(reporter);
    reporters_visible.push_back(reporter != nullptr && reporter->isVisible());
  });
}

MessageRecorder::~MessageRecorder() { SetMessageHandler(nullptr); }

void EventPump::ProcessMessages() {
  ++calls;
  QCoreApplication::processEvents();
  if (on_call) on_call(calls);
}

void WhenShown(QWidget& window, std::function<void()> action) {
  window.installEventFilter(new ShowWatcher(window, std::move(action)));
}

void ClickWhen(std::function<bool()> condition, QAbstractButton& button) {
  auto* timer = new QTimer(&button);
  timer->setInterval(1);
  QObject::connect(timer, &QTimer::timeout, &button, [timer, condition, &button] {
    if (!condition()) return;
    timer->stop();
    timer->deleteLater();
    button.click();
  });
  timer->start();
}

DesktopRig::DesktopRig(const char* profile, const std::function<void(DesktopRig&)>& prepare) {
  EnsureApplication();
  std::string error;
  simulation = MakeSimulation(profile, &error);
  if (!simulation) throw std::runtime_error(error);
  if (prepare) prepare(*this);
  desktop = std::make_unique<Desktop>(
      toolkit, Platform{simulation->clock(), simulation->drives(), registry, system, pump});
}

DesktopRig::~DesktopRig() = default;

}  // namespace vantric::testing
