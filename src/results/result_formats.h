#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "curve/transfer_curve.h"
#include "results/curve_json.h"
#include "results/result_file.h"

namespace vantric {

// The formats result files are written in, each known by its name's extension. One table
// serves --curve's choice of writer, the checks of --curve and --chart, the help text and
// compare's reading.
enum class ResultFormat { kCsv, kJson, kSvg };

using CurveWriter = std::string (*)(const std::vector<CurvePoint>& points,
                                    const CurveSource& source, double file_mb);
using ResultReader = std::optional<ResultFile> (*)(std::string_view text, const std::string& name,
                                                   std::string* error);

struct ResultFormatEntry {
  ResultFormat format;
  std::string_view extension;  // ".csv"; a name's extension matches in any case
  std::string_view what;       // what a curve's file of it is, for people: "table", "chart"
  CurveWriter write_curve;
  // Reads what was written in this format back, for compare; nullptr for a format only people
  // read.
  ResultReader read;
};

std::span<const ResultFormatEntry> ResultFormats();
const ResultFormatEntry& ResultFormatEntryOf(ResultFormat format);
// The entry whose extension `path` ends in; nullptr for none.
const ResultFormatEntry* ResultFormatOfPath(const std::string& path);
// ".csv, .json or .svg"
std::string ResultExtensionList();

// The contents of a --curve file in `format`.
std::string CurveFileText(ResultFormat format, const std::vector<CurvePoint>& points,
                          const CurveSource& source, double file_mb);

}  // namespace vantric
