#include "run/report_lines.h"

#include <algorithm>

#include "run/test_catalogue.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr std::string_view kDisabled = "Disabled";
constexpr size_t kDriveValueLimit = 100;

class LineList {
 public:
  void Line(ReportFont font, ReportColumn column, std::string text, int advance) {
    lines_.push_back({font, column, std::move(text), "", advance});
  }
  void Heading(std::string text, int advance = 1) {
    Line(ReportFont::kHeading, ReportColumn::kMargin, std::move(text), advance);
  }
  void Row(std::string label, std::string value, int advance = 1) {
    lines_.push_back(
        {ReportFont::kBody, ReportColumn::kRow, std::move(label), std::move(value), advance});
  }
  // A result that is its value text when its test was part of the run.
  void Result(std::string label, bool on, const std::string& value_text, int advance = 1) {
    Row(std::move(label), on ? value_text : std::string(kDisabled), advance);
  }
  std::vector<ReportLine> Take() { return std::move(lines_); }

 private:
  std::vector<ReportLine> lines_;
};

}  // namespace

std::pair<std::string, std::string> SplitDriveText(std::string_view text) {
  const size_t colon = text.find(':');
  // Without a colon there is no label to split off; the whole text is the value rather than
  // a torn first letter.
  if (colon == std::string_view::npos) {
    return {"", std::string(text.substr(0, kDriveValueLimit))};
  }
  const size_t label_length = std::min(colon + 2, text.size());
  return {std::string(text.substr(0, label_length)),
          std::string(text.substr(label_length, kDriveValueLimit))};
}

std::string ReportTitle(int32_t passes) {
  return "Vantric 1.65 for Windows 95 - " + std::to_string(passes) + " Pass Test Results";
}

std::vector<ReportLine> ReportLines(const ReportContent& content) {
  const TestResults& r = content.results;
  const TestFlags& on = r.flags;
  LineList lines;

  lines.Line(ReportFont::kTitle, ReportColumn::kMargin, ReportTitle(r.PassCount), 2);
  lines.Line(ReportFont::kBody, ReportColumn::kMargin, "Test Started: " + content.StartTime, 1);
  lines.Line(ReportFont::kBody, ReportColumn::kMargin, "Test Ended: " + content.EndTime, 2);

  lines.Heading("User Supplied Information");
  lines.Line(ReportFont::kBody, ReportColumn::kIndent, content.Edit1, 1);
  lines.Line(ReportFont::kBody, ReportColumn::kIndent, content.Edit2, 1);
  lines.Line(ReportFont::kBody, ReportColumn::kIndent, content.Edit3, 2);

  for (const ReportSection& section : ReportSections()) {
    lines.Heading(section.report_heading);
    for (const CatalogueTest* test : section.rows) {
      const int advance = test == section.rows.back() ? 2 : 1;
      lines.Result(ResultLabel(*test, content.userval) + ": ", on.*test->flag,
                   ValueText(*test, r.*test->field), advance);
    }
  }

  lines.Heading("CDFS Cache Info (Win95 only)");
  lines.Row("CDFS read ahead: ", CdfsText(content.CdfsPrefetch));
  lines.Row("CDFS cache size: ", CdfsText(content.CdfsCacheSize), 2);

  lines.Heading(kIndexHeading);
  for (const IndexFigure& index : kIndexFigures) {
    const int advance = &index == &kIndexFigures.back() ? 2 : 1;
    const double value = r.*index.field;
    lines.Row(std::string(index.label) + ": ", IndexText(index, value, value > 0), advance);
  }

  for (const std::string* drive_text : {&r.DriveRatingText, &r.DriveTypeText}) {
    auto [label, value] = SplitDriveText(*drive_text);
    lines.Row(std::move(label), std::move(value), 2);
  }
  return lines.Take();
}

}  // namespace vantric
