#include "cli/terminal_view.h"

#include "cli/interrupt.h"
#include "run/test_catalogue.h"

namespace vantric {

TerminalPump::TerminalPump() : CancelPump(InterruptRequested) {}

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
  // Each value as it arrives, under the name the results window shows beside it.
  const CatalogueTest* test = FindByValueLabel(control);
  if (!show_progress_ || !test || text.empty()) return;
  EndProgressLine();
  err_ << test->text << ": " << text << "\n";
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
