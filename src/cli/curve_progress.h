#pragma once

#include <ostream>
#include <string>

#include "run/value_text.h"

namespace vantric {

// One line of stderr, rewritten in place as a curve's stretches go by: "Transfer rate curve
// 42% - 8.0X".
class CurveProgressLine {
 public:
  CurveProgressLine(std::ostream& err, bool shown, std::string caption)
      : err_(err), shown_(shown), caption_(std::move(caption)) {}
  ~CurveProgressLine() { End(); }
  CurveProgressLine(const CurveProgressLine&) = delete;
  CurveProgressLine& operator=(const CurveProgressLine&) = delete;

  void Show(int percent, double x) {
    if (!shown_) return;
    err_ << "\r\x1b[K" << caption_ << " " << percent << "% - " << FixedText(x, 1) << "X"
         << std::flush;
    open_ = true;
  }
  // What is being done, in place of the percentage.
  void Say(const std::string& text) {
    if (!shown_) return;
    err_ << "\r\x1b[K" << text << std::flush;
    open_ = true;
  }
  void End() {
    if (!open_) return;
    err_ << "\r\x1b[K" << std::flush;
    open_ = false;
  }

 private:
  std::ostream& err_;
  bool shown_;
  std::string caption_;
  bool open_ = false;
};

}  // namespace vantric
