#pragma once

#include <string>
#include <vector>

#include "run/report_lines.h"

namespace vantric::testing {

// Runs of blanks made single, the ends trimmed.
inline std::string Squeezed(const std::string& text) {
  std::string squeezed;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\f' || c == '\r' || c == '\n';
    if (blank) {
      if (!squeezed.empty() && squeezed.back() != ' ') squeezed += ' ';
    } else {
      squeezed += c;
    }
  }
  while (!squeezed.empty() && squeezed.back() == ' ') squeezed.pop_back();
  return squeezed;
}

// The lines that hold text on a printed page of this content, label and value joined and
// squeezed: what a page's text, read back line by line, should be.
inline std::vector<std::string> ExpectedPageLines(const ReportContent& content) {
  std::vector<std::string> lines;
  for (const ReportLine& line : ReportLines(content)) {
    std::string squeezed = Squeezed(line.text + " " + line.value);
    if (!squeezed.empty()) lines.push_back(std::move(squeezed));
  }
  return lines;
}

}  // namespace vantric::testing
