#include "cli/compare_command.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_checks.h"
#include "cli/cli_options.h"
#include "cli/interrupt.h"
#include "curve/curves_chart.h"
#include "platform/files.h"
#include "results/compare_table.h"
#include "results/reference_results.h"
#include "results/result_formats.h"
#include "sim/drive_profiles.h"

namespace vantric {
namespace {

struct CompareOptions {
  std::vector<std::string> files;
  std::vector<std::string> profiles;  // of --with, each once
  std::string json_path;              // empty: none; "-": stdout instead of the table
  std::string chart_path;
  bool help = false;
};

std::string ProfileNames() {
  std::string names;
  for (const DriveProfile& profile : DriveProfiles()) {
    names += (names.empty() ? "" : ", ") + std::string(profile.name);
  }
  return names;
}

std::optional<std::string> AddProfiles(const std::string& list, CompareOptions& options) {
  std::stringstream items(list);
  std::string item;
  bool any = false;
  while (std::getline(items, item, ',')) {
    any = true;
    std::vector<std::string> named;
    if (item == "all") {
      for (const DriveProfile& profile : DriveProfiles()) named.emplace_back(profile.name);
    } else if (FindDriveProfile(item)) {
      named.push_back(item);
    } else {
      return "unknown simulated drive in --with: \"" + item + "\"; choose one of " +
             ProfileNames() + ", or all";
    }
    for (const std::string& name : named) {
      auto& profiles = options.profiles;
      if (std::find(profiles.begin(), profiles.end(), name) == profiles.end()) {
        profiles.push_back(name);
      }
    }
  }
  if (!any) return std::string("--with needs at least one simulated drive");
  return std::nullopt;
}

// Whether writing `output` would replace one of the files compared.
std::optional<std::string> ComparedFileAt(const std::string& output,
                                          const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    std::error_code error;
    if (file == output || std::filesystem::equivalent(file, output, error)) return file;
  }
  return std::nullopt;
}

std::optional<std::string> ParseCompareOptions(const std::vector<std::string>& arguments,
                                               CompareOptions& options) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-h" || argument == "--help") {
      options.help = true;
      continue;
    }
    if (argument.empty() || argument[0] != '-') {
      options.files.push_back(argument);
      continue;
    }
    const std::string name = OptionName(argument);
    if (name != "--with" && name != "--json" && name != "--chart") {
      return "unknown argument for compare: " + argument;
    }
    const std::optional<std::string> given = OptionValue(arguments, &i);
    if (!given || given->empty()) return name + " needs a value";
    const std::string& value = *given;
    if (name == "--with") {
      if (auto error = AddProfiles(value, options)) return error;
    } else if (name == "--json") {
      options.json_path = value;
    } else {
      options.chart_path = value;
    }
  }
  if (options.help) return std::nullopt;
  if (options.files.empty()) return std::string("compare needs at least one result file");
  if (options.files.size() + options.profiles.size() < 2) {
    return std::string("compare needs two or more result files, or one with --with");
  }
  for (const auto& [option, path] :
       {std::pair{"--json", options.json_path}, std::pair{"--chart", options.chart_path}}) {
    if (path.empty() || path == "-") continue;
    if (const auto file = ComparedFileAt(path, options.files)) {
      return std::string(option) + " would overwrite " + *file + ", one of the files compared";
    }
  }
  if (!options.json_path.empty() && !JsonPathUsable(options.json_path)) {
    return "cannot write the --json file " + options.json_path;
  }
  if (!options.chart_path.empty()) {
    const ResultFormatEntry& svg = ResultFormatEntryOf(ResultFormat::kSvg);
    if (ResultFormatOfPath(options.chart_path) != &svg) {
      return "the --chart file must end in " + std::string(svg.extension) + ": " +
             options.chart_path;
    }
    if (!JsonPathUsable(options.chart_path)) {
      return "cannot write the --chart file " + options.chart_path;
    }
    if (const size_t curves = options.files.size() + options.profiles.size();
        curves > kMostChartedCurves) {
      return "--chart draws up to " + std::to_string(kMostChartedCurves) +
             " curves, each in a colour, line pattern and marker of its own; " +
             std::to_string(curves) + " were given";
    }
  }
  return std::nullopt;
}

const char* KindName(ResultKind kind) {
  return kind == ResultKind::kRun ? "a run's results" : "a transfer-rate curve";
}

// A file that cannot be compared is named, and nothing is printed or written.
int Refused(std::ostream& err, const std::string& message) {
  err << "vantric-cli: " << message << "\n";
  return kExitInvalidOptions;
}

}  // namespace

int RunCompareCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
  CompareOptions options;
  if (auto error = ParseCompareOptions(arguments, options)) return InvalidOptions(err, *error);
  if (options.help) {
    out << CliUsage();
    return kExitCompleted;
  }

  std::vector<ResultFile> results;
  for (const std::string& path : options.files) {
    std::string error;
    std::optional<ResultFile> result = ReadResultFile(path, &error);
    if (!result) return Refused(err, error);
    if (!results.empty() && result->kind != results.front().kind) {
      return Refused(err, result->name + " is " + KindName(result->kind) + " and " +
                              results.front().name + " " + KindName(results.front().kind) +
                              ": compare takes files of one kind");
    }
    results.push_back(std::move(*result));
  }
  const ResultKind kind = results.front().kind;
  if (!options.chart_path.empty() && kind != ResultKind::kCurve) {
    return Refused(err, "--chart draws transfer-rate curves, and " + results.front().name +
                            " holds " + KindName(kind));
  }

  for (const std::string& profile : options.profiles) {
    std::string error;
    std::optional<ResultFile> reference =
        kind == ResultKind::kRun ? SimulatedRunResult(profile, InterruptRequested, &error)
                                 : SimulatedCurveResult(profile, InterruptRequested, &error);
    if (!reference) {
      err << "vantric-cli: " << error << "\n";
      return InterruptRequested() ? kExitCancelled : kExitFailed;
    }
    results.push_back(std::move(*reference));
  }

  const CompareTable table = BuildCompareTable(std::move(results));
  if (options.json_path != "-") out << CompareTableText(table) << std::flush;
  bool written = true;
  if (options.json_path == "-") {
    out << CompareTableJson(table) << std::flush;
    written = static_cast<bool>(out);
  } else if (!options.json_path.empty() &&
             !ReplaceFileContents(options.json_path, CompareTableJson(table))) {
    err << "Error writing JSON file.\n";
    written = false;
  }
  if (!options.chart_path.empty()) {
    std::vector<ChartedCurve> curves;
    for (const ResultFile& column : table.columns) {
      const std::string when = column.reference ? "reference" : column.date;
      curves.push_back({column.title + (when.empty() ? "" : ", " + when), column.points});
    }
    const std::string subtitle = std::to_string(curves.size()) + " transfer-rate curves";
    if (!ReplaceFileContents(options.chart_path, CurvesSvg(curves, subtitle))) {
      err << "Error writing chart file " << options.chart_path << ".\n";
      written = false;
    }
  }
  return written ? kExitCompleted : kExitFailed;
}

}  // namespace vantric
