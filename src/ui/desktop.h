#pragma once

#include <memory>

#include "engine/engine.h"
#include "run/test_results.h"
#include "ui/configuration_dialog.h"
#include "ui/forms.h"
#include "ui/main_window.h"
#include "ui/results_window.h"
#include "ui/user_information_dialog.h"

namespace vantric {

// The program as a whole: the engine, the one results record and the four windows, made in
// the order start-up needs and kept until the end. A QApplication must exist first.
class Desktop {
 public:
  explicit Desktop(Platform platform);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Engine& engine() { return engine_; }
  TestResults& results() { return results_; }
  const Forms& forms() const { return forms_; }

 private:
  Engine engine_;
  TestResults results_;
  Forms forms_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
};

}  // namespace vantric
