#include "results/result_formats.h"

#include <algorithm>
#include <cctype>

#include "curve/curve_chart.h"
#include "curve/curve_summary.h"
#include "curve/curve_table.h"

namespace vantric {
namespace {

const WholeDisc* DiscOf(const CurveSource& source) { return source.disc ? &*source.disc : nullptr; }

std::string CsvOf(const std::vector<CurvePoint>& points, const CurveSource& source, double) {
  return CurveCsv(points, DiscOf(source));
}

std::string JsonOf(const std::vector<CurvePoint>& points, const CurveSource& source, double) {
  return CurveJson(points, source);
}

std::string SvgOf(const std::vector<CurvePoint>& points, const CurveSource& source,
                  double file_mb) {
  return CurveSvg(points, SummarizeCurve(points), file_mb,
                  {CurveTitle(source), MinuteText(source.measured_at)}, DiscOf(source));
}

constexpr ResultFormatEntry kFormats[] = {
    {.format = ResultFormat::kCsv,
     .extension = ".csv",
     .what = "table",
     .write_curve = &CsvOf,
     .read = nullptr},
    {.format = ResultFormat::kJson,
     .extension = ".json",
     .what = "results",
     .write_curve = &JsonOf,
     .read = &ResultFromJson},
    {.format = ResultFormat::kSvg,
     .extension = ".svg",
     .what = "chart",
     .write_curve = &SvgOf,
     .read = nullptr},
};

bool EndsInAnyCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

std::span<const ResultFormatEntry> ResultFormats() { return kFormats; }

const ResultFormatEntry& ResultFormatEntryOf(ResultFormat format) {
  return *std::find_if(std::begin(kFormats), std::end(kFormats),
                       [format](const ResultFormatEntry& entry) { return entry.format == format; });
}

const ResultFormatEntry* ResultFormatOfPath(const std::string& path) {
  for (const ResultFormatEntry& entry : kFormats) {
    if (EndsInAnyCase(path, entry.extension)) return &entry;
  }
  return nullptr;
}

std::string ResultExtensionList() {
  std::string list;
  const size_t count = std::size(kFormats);
  for (size_t i = 0; i < count; ++i) {
    list += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::string(kFormats[i].extension);
  }
  return list;
}

std::string CurveFileText(ResultFormat format, const std::vector<CurvePoint>& points,
                          const CurveSource& source, double file_mb) {
  return ResultFormatEntryOf(format).write_curve(points, source, file_mb);
}

}  // namespace vantric
