#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "desktop_rig.h"

namespace vantric::testing {

// Answers the user information dialog each time it is shown, with the given first text.
class DialogAnswers {
 public:
  DialogAnswers(TForm4& dialog, std::vector<QString> first_texts);
  int shown = 0;

 private:
  void Arm();
  TForm4& dialog_;
  std::vector<QString> texts_;
};

// Runs the benchmark from the main window on the simulated drive; once the results are shown,
// does `at_results` (pressing Print, say) and then presses Ok.
void RunThen(DesktopRig& rig, const std::function<void()>& at_results);

}  // namespace vantric::testing
