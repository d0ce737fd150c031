#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/ui_pump.h"
#include "run/cancel_pump.h"
#include "run/results_view.h"

namespace vantric {

// The terminal's message pump: the only message that matters is Ctrl-C, which becomes the
// engine's cancel flag.
class TerminalPump : public CancelPump {
 public:
  TerminalPump();
};

// The results window on a terminal: the current test and its progress on one updating line
// of stderr, each measured value on a line of its own as it arrives, and the messages.
class TerminalView : public ResultsView {
 public:
  // Without `show_progress` (stderr is not a terminal, or --quiet) only the messages appear.
  TerminalView(std::ostream& err, bool show_progress, UiPump& pump)
      : err_(err), show_progress_(show_progress), pump_(pump) {}
  ~TerminalView() override { EndProgressLine(); }

  void ShowTestCaption(const std::string& text) override;
  void ShowTestProgress(int percent) override;
  void ShowTestStep(int number, int count, std::string_view place) override;
  void SetWindowCaption(const std::string& text) override;
  void SetText(std::string_view control, const std::string& text) override;
  void SetEnabled(std::string_view, bool) override {}
  void SetVisible(std::string_view, bool) override {}
  void ClearDescriptions() override {}
  void DescribeStep(int) override {}
  void ShowMessage(const std::string& text) override;
  void HideWindow() override { EndProgressLine(); }
  void ProcessMessages() override { pump_.ProcessMessages(); }

  // The messages shown so far, in order: the caller turns some of them into exit codes.
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  void DrawProgressLine();
  void EndProgressLine();

  std::ostream& err_;
  bool show_progress_;
  UiPump& pump_;
  std::string caption_;
  std::string pass_;
  std::string step_;  // "test 3 of 17 - ", or empty between tests
  std::string place_;
  int percent_ = 0;
  std::vector<std::string> messages_;
  bool line_open_ = false;
};

}  // namespace vantric
