#include "results/compare_table.h"

#include <algorithm>
#include <cmath>

#include "curve/curve_summary.h"
#include "engine/rounding.h"
#include "results/json_text.h"
#include "run/drive_figures.h"
#include "run/program_version.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr const char* kMissing = "-";
constexpr const char* kCurveSection = "Transfer Rate";
// A drive name longer than this is cut short in a column's heading.
constexpr size_t kLongestTitle = 30;
constexpr size_t kColumnGap = 3;

class RowMaker {
 public:
  RowMaker(const std::vector<ResultFile>& results, std::vector<CompareRow>& rows)
      : results_(results), rows_(rows) {}

  void Section(std::string heading) { section_ = std::move(heading); }

  // A figure with a value per result, or nothing where the result does not hold it.
  template <typename ValueOf, typename TextOf>
  void Row(std::string label, std::string key, std::string unit, std::optional<Better> better,
           ValueOf value_of, TextOf text_of) {
    CompareRow row{section_, std::move(label), std::move(key), std::move(unit), better, {}, {}};
    for (const ResultFile& result : results_) {
      const std::optional<double> value = value_of(result);
      row.values.push_back(value);
      row.texts.push_back(value ? text_of(*value) : kMissing);
    }
    rows_.push_back(std::move(row));
  }

  // A text without a number, such as the drive type.
  template <typename TextOf>
  void TextRow(std::string label, std::string key, TextOf text_of) {
    CompareRow row{section_, std::move(label), std::move(key), "", std::nullopt, {}, {}};
    for (const ResultFile& result : results_) {
      row.values.push_back(std::nullopt);
      row.texts.push_back(text_of(result).value_or(kMissing));
    }
    rows_.push_back(std::move(row));
  }

 private:
  const std::vector<ResultFile>& results_;
  std::vector<CompareRow>& rows_;
  std::string section_;
};

std::optional<double> ValueIn(const ResultFile& result, std::string_view key) {
  const auto found = result.values.find(key);
  return found == result.values.end() ? std::nullopt : std::optional<double>(found->second);
}

// The user CPU test measures at whatever rate each run was given: one row per rate, so that
// only runs at the same rate are set side by side.
std::vector<std::string> UserRates(const std::vector<ResultFile>& results,
                                   const CatalogueTest& test) {
  std::vector<std::string> rates;
  for (const ResultFile& result : results) {
    if (!ValueIn(result, test.field_name)) continue;
    if (std::find(rates.begin(), rates.end(), result.userval) == rates.end()) {
      rates.push_back(result.userval);
    }
  }
  return rates;
}

void RunRows(const std::vector<ResultFile>& results, std::vector<CompareRow>& rows) {
  RowMaker rows_of(results, rows);
  for (const ReportSection& section : ReportSections()) {
    rows_of.Section(section.report_heading);
    for (const CatalogueTest* test : section.rows) {
      const auto text = [test](double value) { return ValueText(*test, value); };
      if (!test->user_rate) {
        rows_of.Row(
            ResultLabel(*test, ""), test->field_name, UnitText(test->unit), BetterWhen(*test),
            [test](const ResultFile& r) { return ValueIn(r, test->field_name); }, text);
        continue;
      }
      std::vector<std::string> rates = UserRates(results, *test);
      if (rates.empty()) {
        rows_of.Row(
            test->text, test->field_name, UnitText(test->unit), BetterWhen(*test),
            [](const ResultFile&) { return std::optional<double>(); }, text);
      }
      for (const std::string& rate : rates) {
        rows_of.Row(
            ResultLabel(*test, rate), test->field_name, UnitText(test->unit), BetterWhen(*test),
            [test, &rate](const ResultFile& r) {
              return r.userval == rate ? ValueIn(r, test->field_name) : std::nullopt;
            },
            text);
      }
    }
  }
  rows_of.Section(kIndexHeading);
  for (const IndexFigure& index : kIndexFigures) {
    rows_of.Row(
        index.label, index.field_name, "", Better::kHigher,
        [&index](const ResultFile& r) { return ValueIn(r, index.field_name); }, RoundedText);
  }
  rows_of.Row(
      kDriveRatingLabel, "DriveRating", "X", Better::kHigher,
      [](const ResultFile& r) { return r.rating; },
      [](double rating) { return FixedText(rating, 1) + "X"; });
  rows_of.TextRow(kDriveTypeLabel, "DriveType", [](const ResultFile& r) { return r.type; });
}

void CurveRows(const std::vector<ResultFile>& results, std::vector<CompareRow>& rows) {
  std::vector<CurveSummary> summaries;
  for (const ResultFile& result : results) summaries.push_back(SummarizeCurve(result.points));
  const auto summary = [&](const ResultFile& r) -> const CurveSummary& {
    return summaries[static_cast<size_t>(&r - results.data())];
  };
  const auto x_text = [](double x) { return FixedText(x, 1) + "X"; };
  RowMaker rows_of(results, rows);
  rows_of.Section(kCurveSection);
  const struct {
    const char* label;
    const char* key;
    double CurveSummary::*value;
  } kRates[] = {{"Start", "StartX", &CurveSummary::start_x},
                {"End", "EndX", &CurveSummary::end_x},
                {"Average", "AverageX", &CurveSummary::average_x},
                {"Minimum", "MinimumX", &CurveSummary::minimum_x},
                {"Maximum", "MaximumX", &CurveSummary::maximum_x}};
  for (const auto& rate : kRates) {
    rows_of.Row(
        rate.label, rate.key, "X", Better::kHigher,
        [&](const ResultFile& r) { return std::optional<double>(summary(r).*rate.value); }, x_text);
  }
  rows_of.TextRow("Minimum at", "MinimumAtMB", [&](const ResultFile& r) {
    return std::optional<std::string>(FixedText(summary(r).minimum_at_mb, 0) + " MB");
  });
  rows_of.TextRow("Shape", "Shape", [&](const ResultFile& r) {
    return std::optional<std::string>(CurveShapeName(summary(r).shape));
  });
}

// A byte that starts a character: UTF-8 continuation bytes take no column of their own.
bool StartsAColumn(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Display width.
size_t Width(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), StartsAColumn));
}

std::string Padded(const std::string& text, size_t width) {
  return text + std::string(width > Width(text) ? width - Width(text) : 0, ' ');
}

std::string Shortened(const std::string& title) {
  if (Width(title) <= kLongestTitle) return title;
  std::string cut;
  size_t columns = 0;
  for (const char c : title) {
    if (StartsAColumn(c) && columns++ == kLongestTitle - 3) break;
    cut += c;
  }
  return cut + "...";
}

// Appended piece by piece: GCC 12 at -O3 warns falsely of an overlap in "x" + std::string&&.
std::string SignedPercent(double percent) {
  std::string text = Round(percent) > 0 ? "+" : "";
  text += RoundedText(percent);
  text += '%';
  return text;
}

std::string CellText(const CompareRow& row, size_t column) {
  std::string text = row.texts[column];
  if (column == 0 || !row.values[column]) return text;
  if (const auto percent = PercentFromFirst(row, column)) {
    text += ' ';
    text += SignedPercent(*percent);
  }
  if (const std::string_view verdict = Verdict(row, column); !verdict.empty()) {
    text += ' ';
    text += verdict;
  }
  return text;
}

// The file's own name, without its folders.
std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Each column's heading lines: its drive and date; for curves also how each was measured; and,
// when two columns would still read alike (two files of one drive), each file's name.
std::vector<std::vector<std::string>> ColumnHeadings(const CompareTable& table) {
  std::vector<std::vector<std::string>> headings;
  for (const ResultFile& column : table.columns) {
    std::vector<std::string> lines = {Shortened(column.title),
                                      column.reference ? "reference" : column.date};
    if (table.kind == ResultKind::kCurve) {
      lines.push_back(column.mode.empty() ? std::string(kMissing) : column.mode + " curve");
    }
    headings.push_back(std::move(lines));
  }
  bool alike = false;
  for (size_t a = 0; a < headings.size(); ++a) {
    for (size_t b = a + 1; b < headings.size(); ++b) alike = alike || headings[a] == headings[b];
  }
  if (alike) {
    for (size_t c = 0; c < headings.size(); ++c) {
      const ResultFile& column = table.columns[c];
      headings[c].push_back(column.reference ? "" : Shortened(BaseName(column.name)));
    }
  }
  return headings;
}

std::string JsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
  return out + "]";
}

}  // namespace

CompareTable BuildCompareTable(std::vector<ResultFile> results) {
  CompareTable table;
  table.kind = results.empty() ? ResultKind::kRun : results.front().kind;
  table.columns = std::move(results);
  if (table.kind == ResultKind::kRun) {
    RunRows(table.columns, table.rows);
  } else {
    CurveRows(table.columns, table.rows);
  }
  return table;
}

std::optional<double> PercentFromFirst(const CompareRow& row, size_t column) {
  const std::optional<double> first = row.values.front();
  const std::optional<double> value = row.values[column];
  if (!first || !value || *first == 0) return std::nullopt;
  return (*value - *first) / std::fabs(*first) * 100;
}

std::string_view Verdict(const CompareRow& row, size_t column) {
  const std::optional<double> first = row.values.front();
  const std::optional<double> value = row.values[column];
  if (column == 0 || !row.better || !first || !value || *value == *first) return "";
  if (const auto percent = PercentFromFirst(row, column); percent && Round(*percent) == 0) {
    return "";
  }
  const bool higher = *value > *first;
  return higher == (*row.better == Better::kHigher) ? "better" : "worse";
}

std::string CompareTableText(const CompareTable& table) {
  size_t label_width = 0;
  for (const CompareRow& row : table.rows) {
    label_width = std::max(label_width, Width(row.label) + 2);  // headings have lines of their own
  }
  const std::vector<std::vector<std::string>> headings = ColumnHeadings(table);
  std::vector<std::vector<std::string>> cells(table.columns.size());
  std::vector<size_t> widths(table.columns.size(), 0);
  for (size_t c = 0; c < table.columns.size(); ++c) {
    cells[c] = headings[c];
    for (const CompareRow& row : table.rows) cells[c].push_back(CellText(row, c));
    for (const std::string& cell : cells[c]) widths[c] = std::max(widths[c], Width(cell));
  }
  const size_t heading_lines = headings.empty() ? 0 : headings.front().size();
  const auto line = [&](const std::string& label, size_t index) {
    std::string text = Padded(label, label_width);
    for (size_t c = 0; c < cells.size(); ++c) {
      text += std::string(kColumnGap, ' ') + Padded(cells[c][index], widths[c]);
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text + "\n";
  };
  std::string out;
  for (size_t h = 0; h < heading_lines; ++h) out += line("", h);
  std::string section;
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const CompareRow& row = table.rows[r];
    if (row.section != section) {
      section = row.section;
      out += section + "\n";
    }
    out += line("  " + row.label, r + heading_lines);
  }
  return out;
}

std::string CompareTableJson(const CompareTable& table) {
  std::string out = "{\n  \"Vantric\": " + JsonString(kProgramVersion) +
                    ",\n  \"Format\": " + std::to_string(kResultFormat) + ",\n  \"Kind\": " +
                    JsonString(table.kind == ResultKind::kRun ? "run" : "curve") +
                    ",\n  \"Columns\": [";
  for (size_t c = 0; c < table.columns.size(); ++c) {
    const ResultFile& column = table.columns[c];
    out += c ? ",\n    " : "\n    ";
    out += "{\"Title\": " + JsonString(column.title) +
           ", \"Date\": " + (column.date.empty() ? "null" : JsonString(column.date)) +
           ", \"File\": " + (column.reference ? "null" : JsonString(column.name)) +
           ", \"Reference\": " + (column.reference ? "true" : "false");
    if (table.kind == ResultKind::kCurve) {
      out += ", \"Mode\": " + (column.mode.empty() ? "null" : JsonString(column.mode));
    }
    out += "}";
  }
  out += "\n  ],\n  \"Rows\": [";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const CompareRow& row = table.rows[r];
    std::vector<std::string> values, texts, percents, verdicts;
    for (size_t c = 0; c < row.values.size(); ++c) {
      values.push_back(row.values[c] ? JsonNumber(*row.values[c]) : "null");
      texts.push_back(JsonString(row.texts[c]));
      const auto percent = c == 0 ? std::nullopt : PercentFromFirst(row, c);
      percents.push_back(percent ? JsonNumber(*percent) : "null");
      const std::string_view verdict = Verdict(row, c);
      verdicts.push_back(verdict.empty() ? "null" : JsonString(std::string(verdict)));
    }
    const char* better = !row.better                      ? "null"
                         : *row.better == Better::kHigher ? "\"higher\""
                                                          : "\"lower\"";
    out += r ? ",\n    " : "\n    ";
    out += "{\"Section\": " + JsonString(row.section) + ", \"Label\": " + JsonString(row.label) +
           ", \"Key\": " + JsonString(row.key) +
           ", \"Unit\": " + (row.unit.empty() ? "null" : JsonString(row.unit)) +
           ", \"Better\": " + better + ",\n     \"Values\": " + JsonArray(values) +
           ",\n     \"Texts\": " + JsonArray(texts) +
           ",\n     \"Percent\": " + JsonArray(percents) +
           ",\n     \"Verdict\": " + JsonArray(verdicts) + "}";
  }
  return out + "\n  ]\n}\n";
}

}  // namespace vantric
