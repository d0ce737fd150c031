#pragma once

#include <memory>

#include "forms/toolkit.h"
#include "run/results_view.h"

namespace vantric {

// The user information dialog: the drive, controller and computer under test, for the log
// file and the printout. There is no way out but Ok; whatever it holds is used.
class TForm4 : public UserInformation {
 public:
  explicit TForm4(Toolkit& toolkit);

  void Button1Click();

  // UserInformation.
  void Ask() override;
  void Clear() override;
  std::string Edit1() const override;
  std::string Edit2() const override;
  std::string Edit3() const override;

  Form& window() const { return *window_; }

 private:
  std::unique_ptr<Form> window_;
};

}  // namespace vantric
