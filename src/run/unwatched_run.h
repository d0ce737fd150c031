#pragma once

#include <string>

#include "platform/ui_pump.h"
#include "run/results_view.h"

namespace vantric {

// The results window of a run that nobody watches (a reference run, a benchmark of the run):
// what it would show is dropped, but for its messages, which say why it did not complete.
class UnwatchedView : public ResultsView {
 public:
  explicit UnwatchedView(UiPump& pump) : pump_(pump) {}
  void ShowTestCaption(const std::string&) override {}
  void ShowTestProgress(int) override {}
  void SetWindowCaption(const std::string&) override {}
  void SetText(std::string_view, const std::string&) override {}
  void SetEnabled(std::string_view, bool) override {}
  void SetVisible(std::string_view, bool) override {}
  void ClearDescriptions() override {}
  void DescribeStep(int) override {}
  void ShowMessage(const std::string& text) override { messages_ += text + " "; }
  void HideWindow() override {}
  void ProcessMessages() override { pump_.ProcessMessages(); }

  const std::string& messages() const { return messages_; }

 private:
  UiPump& pump_;
  std::string messages_;
};

// Nobody to ask either: the three user texts stay empty.
class NoUserInformation : public UserInformation {
 public:
  void Ask() override {}
  void Clear() override {}
  std::string Edit1() const override { return ""; }
  std::string Edit2() const override { return ""; }
  std::string Edit3() const override { return ""; }
};

}  // namespace vantric
