#pragma once

#include <memory>
#include <string>

#include "forms/toolkit.h"
#include "run/test_settings.h"

namespace vantric {

// The configuration dialog: which tests a run performs, its passes, the user CPU rate and
// the log file. Its controls are the settings; there is no Cancel, only Ok with valid entries.
class TForm2 {
 public:
  explicit TForm2(Toolkit& toolkit);

  // The settings as the controls hold them.
  TestSettings Settings() const;

  void Button1Click();
  void Button2Click();
  void read16Click();
  void BitBtn1Click();

  Form& window() const { return *window_; }

 private:
  void FormCreate();
  void SetDefaults();

  Toolkit& toolkit_;
  std::unique_ptr<Form> window_;
  // The save dialog starts with the name last chosen in it.
  std::string SaveDialog1_name_ = "vantric";
};

}  // namespace vantric
