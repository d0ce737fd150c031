#pragma once

#include <string>
#include <utility>

#include "run/results_view.h"

namespace vantric {

// The user information dialog of the terminal: nobody to ask, so "asking" takes the three
// texts given on the command line.
class CliUserInformation : public UserInformation {
 public:
  CliUserInformation(std::string drive, std::string controller, std::string computer)
      : given_{std::move(drive), std::move(controller), std::move(computer)} {}

  void Ask() override { edits_ = given_; }
  void Clear() override { edits_ = Texts{}; }
  std::string Edit1() const override { return edits_.drive; }
  std::string Edit2() const override { return edits_.controller; }
  std::string Edit3() const override { return edits_.computer; }

 private:
  struct Texts {
    std::string drive, controller, computer;
  };
  Texts given_;
  Texts edits_;
};

}  // namespace vantric
