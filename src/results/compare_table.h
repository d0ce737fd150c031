#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/result_file.h"
#include "run/test_catalogue.h"

namespace vantric {

// One figure across the compared results.
struct CompareRow {
  std::string section;  // the heading the row stands under
  std::string label;    // as the report labels it
  std::string key;      // the JSON member it comes from: "Read16Inside", "AverageX"
  std::string unit;     // "kps", "ms", "%", "X", "MB"; empty for an index or a text
  // Which way the figure improves; nothing for one that does not (the drive type).
  std::optional<Better> better;
  std::vector<std::optional<double>> values;  // per column, full precision; nothing: not there
  std::vector<std::string> texts;             // per column, as the report shows it; "-": not there
};

struct CompareTable {
  ResultKind kind = ResultKind::kRun;
  std::vector<ResultFile> columns;  // the first is the one the others are measured against
  std::vector<CompareRow> rows;
};

// A row per figure, in the report's order and with its units (for runs) or the curve report's
// (for curves). The results must all be of one kind.
CompareTable BuildCompareTable(std::vector<ResultFile> results);

// How much the value of `column` differs from the first column's, in percent of the first;
// nothing when either is missing or the first is 0.
std::optional<double> PercentFromFirst(const CompareRow& row, size_t column);
// "better" or "worse" than the first column; empty for the first column, a row without a
// direction, a missing value, or a difference that rounds to 0 %.
std::string_view Verdict(const CompareRow& row, size_t column);

// The table as the terminal prints it: a column per result headed by its drive and date, each
// value after the first column's followed by its difference, "+549% better".
std::string CompareTableText(const CompareTable& table);

// The same as a JSON object: the columns, and per row the values at full precision, the texts
// shown, the percent differences and the verdicts.
std::string CompareTableJson(const CompareTable& table);

}  // namespace vantric
