#include "cli/terminal_view.h"

#include <map>

#include "cli/interrupt.h"

namespace vantric {
namespace {

// The names the results window shows beside each value.
std::string ValueName(std::string_view label) {
  static const std::map<std::string_view, const char*> names = {
      {"read16vi", "16k inside"}, {"read16vc", "16k center"},   {"read16vo", "16k outside"},
      {"read2vi", "2k inside"},   {"read2vc", "2k center"},     {"read2vo", "2k outside"},
      {"latv", "OS Overhead"},    {"seekfullv", "Full Stroke"}, {"seekrandv", "Random Access"},
      {"cpu2xv", "2X 300kps"},    {"cpu4xv", "4X 600kps"},      {"cpu6xv", "6X 900kps"},
      {"cpu8xv", "8X 1200kps"},   {"cpu12xv", "12X 1800kps"},   {"cpuuxv", "User"},
      {"burst2kv", "2k burst"},   {"burst8kv", "8k burst"},     {"burst16kv", "16k burst"},
  };
  const auto found = names.find(label);
  return found == names.end() ? std::string() : found->second;
}

}  // namespace

void TerminalPump::ProcessMessages() {
  if (engine_ && InterruptRequested()) engine_->CancelRequested = true;
}

void TerminalView::ShowTestCaption(const std::string& text) {
  caption_ = text;
  DrawProgressLine();
}

void TerminalView::ShowTestProgress(int percent) {
  percent_ = percent;
  DrawProgressLine();
}

void TerminalView::ShowTestStep(int number, int count, std::string_view place) {
  step_ =
      number > 0 ? "test " + std::to_string(number) + " of " + std::to_string(count) + " - " : "";
  place_ = place;
}

void TerminalView::SetWindowCaption(const std::string& text) {
  pass_ = text;
  DrawProgressLine();
}

void TerminalView::SetText(std::string_view control, const std::string& text) {
  const std::string name = ValueName(control);
  if (!show_progress_ || name.empty() || text.empty()) return;
  EndProgressLine();
  err_ << name << ": " << text << "\n";
  DrawProgressLine();
}

void TerminalView::ShowMessage(const std::string& text) {
  EndProgressLine();
  messages_.push_back(text);
  err_ << text << "\n" << std::flush;
}

void TerminalView::DrawProgressLine() {
  if (!show_progress_) return;
  // Carriage return and erase-line: the line is rewritten in place.
  err_ << "\r\x1b[K" << pass_ << (pass_.empty() ? "" : " - ") << step_ << caption_
       << (place_.empty() ? "" : " ") << place_ << " " << percent_ << "%" << std::flush;
  line_open_ = true;
}

void TerminalView::EndProgressLine() {
  if (!line_open_) return;
  err_ << "\r\x1b[K" << std::flush;
  line_open_ = false;
}

}  // namespace vantric
