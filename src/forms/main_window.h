#pragma once

#include <memory>

#include "engine/engine.h"
#include "forms/forms.h"
#include "forms/toolkit.h"
#include "run/test_results.h"

namespace vantric {

// The main window: the Windows 95 CD file system cache settings and the three commands.
class TForm1 {
 public:
  TForm1(Toolkit& toolkit, Engine& engine, const TestResults& results, const Forms& forms);

  void testbtClick();
  void confbtClick();
  void resultsbtClick();

  Form& window() const { return *window_; }

 private:
  void FormCreate();
  // Hides this window, shows the other one until it hides itself, then comes back.
  void ShowInstead(Form& other);

  Toolkit& toolkit_;
  Engine& engine_;
  const TestResults& results_;
  const Forms& forms_;
  std::unique_ptr<Form> window_;
};

}  // namespace vantric
