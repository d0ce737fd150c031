#include "print_journey.h"

#include <QLineEdit>
#include <QTimer>

namespace vantric::testing {

DialogAnswers::DialogAnswers(TForm4& dialog, std::vector<QString> first_texts)
    : dialog_(dialog), texts_(std::move(first_texts)) {
  Arm();
}

void DialogAnswers::Arm() {
  WhenShown(dialog_, [this] {
    dialog_.Edit1_->setText(shown < static_cast<int>(texts_.size()) ? texts_[shown] : "");
    ++shown;
    Arm();
    dialog_.Button1->click();
  });
}

void RunThen(DesktopRig& rig, const std::function<void()>& at_results) {
  TForm3& window = rig.Form3();
  auto* timer = new QTimer(&window);
  timer->setInterval(1);
  QObject::connect(timer, &QTimer::timeout, &window, [timer, &rig, &window, at_results] {
    if (rig.results().RunInProgress || !window.Button2->isVisibleTo(&window)) return;
    timer->stop();
    timer->deleteLater();
    at_results();
    window.Button1->click();
  });
  timer->start();
  rig.Form1().testbtClick();
}

}  // namespace vantric::testing
