#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "run/test_results.h"

namespace vantric {

// The results window's three report fonts: Font1, Font2, Font3.
enum class ReportFont { kTitle, kHeading, kBody };

// Where a line is drawn: at u, at 2u, or as a row whose label ends and whose value starts at
// the column line 3u.
enum class ReportColumn { kMargin, kIndent, kRow };

struct ReportLine {
  ReportFont font = ReportFont::kBody;
  ReportColumn column = ReportColumn::kMargin;
  std::string text;   // a row's label
  std::string value;  // rows only
  int advance = 1;    // line heights of this font added to Y after the line
};

// What the printout shows besides the results record, taken when Print is pressed.
struct ReportContent {
  const TestResults& results;
  std::string StartTime;  // already in the user's time format
  std::string EndTime;
  std::string Edit1;  // the user texts, as typed
  std::string Edit2;
  std::string Edit3;
  std::string userval;  // the user CPU rate as typed
  int32_t CdfsPrefetch = 0;
  int32_t CdfsCacheSize = 0;
};

// "Vantric 1.65 for Windows 95 - 3 Pass Test Results": the title of the printout and the log.
std::string ReportTitle(int32_t passes);

// The printout's lines, top to bottom.
std::vector<ReportLine> ReportLines(const ReportContent& content);

// "Drive rating: 8.1X" -> {"Drive rating: ", "8.1X"}: the label runs to the first colon and
// the character after it; the value is the rest, at most 100 characters.
std::pair<std::string, std::string> SplitDriveText(std::string_view text);

}  // namespace vantric
