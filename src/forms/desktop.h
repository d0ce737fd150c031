#pragma once

#include <memory>

#include "engine/engine.h"
#include "forms/configuration_dialog.h"
#include "forms/forms.h"
#include "forms/main_window.h"
#include "forms/results_window.h"
#include "forms/toolkit.h"
#include "forms/user_information_dialog.h"
#include "run/test_results.h"

namespace vantric {

// The program as a whole: the engine, the one results record and the four windows, made in
// the order start-up needs and kept until the end.
class Desktop {
 public:
  Desktop(Toolkit& toolkit, Platform platform);
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
