#include "print_journey.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vantric::testing {

DialogAnswers::DialogAnswers(TForm4& dialog, std::vector<QString> first_texts)
    : dialog_(dialog), texts_(std::move(first_texts)) {
  Arm();
}

void DialogAnswers::Arm() {
  WhenShown(dialog_.window(), [this] {
    Widget<QLineEdit>(dialog_.window(), "Edit1")
        ->setText(shown < static_cast<int>(texts_.size()) ? texts_[shown] : "");
    ++shown;
    Arm();
    Widget<QPushButton>(dialog_.window(), "Button1")->click();
  });
}

void RunThen(DesktopRig& rig, const std::function<void()>& at_results) {
  Form& window = rig.Form3().window();
  auto* timer = new QTimer(&Window(window));
  timer->setInterval(1);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, &rig, &window, at_results] {
    if (rig.results().RunInProgress || !window.Visible("Button2")) return;
    timer->stop();
    timer->deleteLater();
    at_results();
    Widget<QPushButton>(window, "Button1")->click();
  });
  timer->start();
  rig.Form1().testbtClick();
}

}  // namespace vantric::testing
