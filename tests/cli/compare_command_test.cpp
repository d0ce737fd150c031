#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <regex>

#include "cli_in_process.h"
#include "cli_test_files.h"
#include "curve/curves_chart.h"
#include "json_reader.h"
#include "sim/drive_profiles.h"

namespace vantric::testing {
namespace {

std::optional<double> NumberAt(const JsonObject& json, const std::string& key) {
  const JsonValue& value = json.at(key);
  if (std::holds_alternative<std::nullptr_t>(value)) return std::nullopt;
  return std::get<double>(value);
}

std::string Str(const JsonObject& json, const std::string& key) {
  return std::get<std::string>(json.at(key));
}

// The printed table's rows: label, then one cell per column. Cells are set apart by at least
// three spaces and hold single spaces only.
std::vector<std::vector<std::string>> TableRows(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("  ") || line[2] == ' ') continue;  // neither heading nor row
    std::vector<std::string> cells;
    const std::regex gap(" {3,}");
    const std::string row = line.substr(2);
    for (std::sregex_token_iterator it(row.begin(), row.end(), gap, -1), end; it != end; ++it) {
      cells.push_back(*it);
    }
    rows.push_back(cells);
  }
  return rows;
}

std::string Rounded(double value) {
  return std::to_string(static_cast<long long>(std::nearbyint(value)));
}

// Two simulated runs side by side, the slower first, with the CD drives for reference:
// each row holds the files' figures as the report writes them, the percent and verdict follow
// from the files' full-precision values, and each reference column is a fresh run's.
TEST(CompareCommandTest, TwoRunsSideBySideWithFreshReferenceRuns) {
  ScratchDir dir("compare-runs");
  const std::string slow = (dir.path() / "8x.json").string();
  const std::string fast = (dir.path() / "52x.json").string();
  ASSERT_EQ(RunInProcess({"--simulate", "8x-clv", "--json", slow}).code, 0);
  ASSERT_EQ(RunInProcess(
                {"--simulate", "52x-cav", "--passes", "2", "--user-rate", "2000", "--json", fast})
                .code,
            0);
  const std::string compared = (dir.path() / "compared.json").string();
  const CliRun run = RunInProcess({"compare", slow, fast, "--with", "all", "--json", compared});
  ASSERT_EQ(run.code, kExitCompleted) << run.err;
  const JsonObject a = ParseFlatJson(FileText(slow));
  const JsonObject b = ParseFlatJson(FileText(fast));

  // The report's order and units; +1 where higher is better.
  const struct {
    const char* label;
    const char* key;
    const char* unit;
    int better;
  } kFigures[] = {
      {"16k outside", "Read16Outside", " kps", 1},
      {"16k center", "Read16Center", " kps", 1},
      {"16k inside", "Read16Inside", " kps", 1},
      {"2k outside", "Read2Outside", " kps", 1},
      {"2k center", "Read2Center", " kps", 1},
      {"2k inside", "Read2Inside", " kps", 1},
      {"Full Stroke", "FullStrokeTime", " ms", -1},
      {"Random Access", "RandomAccessTime", " ms", -1},
      {"Overhead", "SeekOverhead", " ms", -1},
      {"2X 300kps", "CpuUsage2x", "%", -1},
      {"4X 600kps", "CpuUsage4x", "%", -1},
      {"6X 900kps", "CpuUsage6x", "%", -1},
      {"8X 1200kps", "CpuUsage8x", "%", -1},
      {"12X 1800kps", "CpuUsage12x", "%", -1},
      {"User 2000kps", "CpuUsageUser", "%", -1},
      {"2k burst", "BurstRate2k", " kps", 1},
      {"8k burst", "BurstRate8k", " kps", 1},
      {"16k burst", "BurstRate16k", " kps", 1},
      {"Multimedia Index", "MultimediaIndex", "", 1},
      {"Application Index", "ApplicationIndex", "", 1},
  };
  // " +549% better" after a value of the second column.
  const auto difference = [](std::optional<double> first, std::optional<double> second,
                             int better) -> std::string {
    if (!first || !second) return "";
    const long long shown = std::llround(std::nearbyint((*second - *first) / *first * 100));
    return " " + std::string(shown > 0 ? "+" : "") + std::to_string(shown) + "%" +
           (shown == 0                    ? ""
            : (shown > 0) == (better > 0) ? " better"
                                          : " worse");
  };
  // The files, then a fresh run of every simulated drive, as the reference columns should be.
  std::vector<JsonObject> sources = {a, b};
  for (const DriveProfile& profile : DriveProfiles()) {
    const CliRun fresh = RunInProcess({"--simulate", std::string(profile.name), "--json", "-"});
    ASSERT_EQ(fresh.code, 0) << profile.name;
    sources.push_back(ParseFlatJson(fresh.out));
  }

  const std::vector<std::vector<std::string>> rows = TableRows(run.out);
  ASSERT_EQ(rows.size(), std::size(kFigures) + 2) << run.out;
  for (size_t r = 0; r < std::size(kFigures); ++r) {
    const auto& figure = kFigures[r];
    SCOPED_TRACE(figure.label);
    ASSERT_EQ(rows[r].size(), sources.size() + 1);
    EXPECT_EQ(rows[r][0], figure.label);
    const auto text = [&](std::optional<double> value) {
      return value ? Rounded(*value) + figure.unit : "-";
    };
    const std::optional<double> first = NumberAt(a, figure.key);
    const std::optional<double> second = NumberAt(b, figure.key);
    EXPECT_EQ(rows[r][1], text(first));
    EXPECT_EQ(rows[r][2], text(second) + difference(first, second, figure.better));
  }
  const auto rating = [](const JsonObject& json) {
    return Str(json, "DriveRatingText").substr(std::string("Drive rating: ").size());
  };
  std::vector<std::string> ratings = {"Drive rating"}, types = {"Drive type"};
  for (const JsonObject& source : sources) {
    ratings.push_back(rating(source) + (&source == &sources.front()
                                            ? ""
                                            : difference(NumberAt(a, "DriveRating"),
                                                         NumberAt(source, "DriveRating"), 1)));
    types.push_back(Str(source, "DriveType"));
  }
  EXPECT_EQ(rows[std::size(kFigures)], ratings);
  EXPECT_EQ(rows.back(), types);

  // Each column of the JSON holds its source's values to the last bit; a reference column holds
  // what a run of that profile writes now.
  const JsonObject table = ParseFlatJson(FileText(compared));
  ASSERT_EQ(std::get<double>(table.at("Columns")), sources.size());
  const size_t row_count = static_cast<size_t>(std::get<double>(table.at("Rows")));
  ASSERT_EQ(row_count, std::size(kFigures) + 2);
  for (size_t r = 0; r < row_count; ++r) {
    const std::string row = "Rows." + std::to_string(r) + ".";
    const std::string key = Str(table, row + "Key");
    for (size_t c = 0; c < sources.size(); ++c) {
      SCOPED_TRACE(key + " in column " + std::to_string(c));
      const std::string at = std::to_string(c);
      if (key == "DriveType") {
        EXPECT_EQ(Str(table, row + "Texts." + at), Str(sources[c], "DriveType"));
      } else {
        EXPECT_EQ(NumberAt(table, row + "Values." + at), NumberAt(sources[c], key));
      }
    }
  }
  EXPECT_EQ(Str(table, "Columns.2.Title"), std::string(DriveProfiles().front().name));
  EXPECT_EQ(std::get<bool>(table.at("Columns.2.Reference")), true);
  EXPECT_EQ(Str(table, "Columns.1.File"), fast);
}

// The polyline's points, as pixel pairs.
std::vector<std::pair<double, double>> Polyline(const std::string& points) {
  std::vector<std::pair<double, double>> xy;
  std::istringstream in(points);
  for (std::string pair; in >> pair;) {
    const size_t comma = pair.find(',');
    xy.emplace_back(std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1)));
  }
  return xy;
}

// Two curves on one chart: one mapping from (MB, X) to pixels serves both, so that the flat
// 8X line lies below the whole 52X ramp as it should; the legend names both.
TEST(CompareCommandTest, TwoCurvesShareOneScaleAndTheLegendNamesBoth) {
  ScratchDir dir("compare-curves");
  const std::string slow = (dir.path() / "8x.json").string();
  const std::string fast = (dir.path() / "52x.json").string();
  ASSERT_EQ(RunInProcess({"--simulate", "8x-clv", "--curve", slow}).code, 0);
  ASSERT_EQ(RunInProcess({"--simulate", "52x-cav", "--curve", fast}).code, 0);
  const std::string chart = (dir.path() / "chart.svg").string();
  const CliRun run = RunInProcess({"compare", slow, fast, "--chart", chart});
  ASSERT_EQ(run.code, kExitCompleted) << run.err;
  EXPECT_NE(run.out.find("\n  Shape        CLV"), std::string::npos) << run.out;
  // xmllint comes with the Linux build's dependencies; the Windows build has none.
  if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
    ASSERT_EQ(std::system(("xmllint --noout '" + chart + "'").c_str()), 0);
  }

  const std::string svg = FileText(chart);
  const std::regex polyline("<polyline class=\"curve\"[^>]* points=\"([^\"]*)\"");
  std::vector<std::vector<std::pair<double, double>>> drawn;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), polyline);
       it != std::sregex_iterator(); ++it) {
    drawn.push_back(Polyline((*it)[1]));
  }
  ASSERT_EQ(drawn.size(), 2u);
  std::vector<JsonObject> files = {ParseFlatJson(FileText(slow)), ParseFlatJson(FileText(fast))};
  const auto point = [&](size_t curve, size_t i) {
    const std::string at = "Points." + std::to_string(i) + ".";
    return std::pair{std::get<double>(files[curve].at(at + "PositionMB")),
                     std::get<double>(files[curve].at(at + "X"))};
  };
  // The mapping, from the ramp's ends; every point of both curves must follow it.
  const size_t last = drawn[1].size() - 1;
  const auto [mb0, x0] = point(1, 0);
  const auto [mb1, x1] = point(1, last);
  const double px_per_mb = (drawn[1][last].first - drawn[1][0].first) / (mb1 - mb0);
  const double px_per_x = (drawn[1][last].second - drawn[1][0].second) / (x1 - x0);
  EXPECT_GT(px_per_mb, 0);
  EXPECT_LT(px_per_x, 0) << "a faster point is drawn higher";
  for (size_t c = 0; c < 2; ++c) {
    ASSERT_EQ(drawn[c].size(), std::get<double>(files[c].at("Points")));
    for (size_t i = 0; i < drawn[c].size(); ++i) {
      const auto [mb, x] = point(c, i);
      EXPECT_NEAR(drawn[c][i].first, drawn[1][0].first + (mb - mb0) * px_per_mb, 0.15) << c;
      EXPECT_NEAR(drawn[c][i].second, drawn[1][0].second + (x - x0) * px_per_x, 0.15) << c;
    }
  }
  std::vector<std::string> legend;
  const std::regex entry("<text [^>]*class=\"legend\"[^>]*>([^<]*)</text>");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), entry); it != std::sregex_iterator();
       ++it) {
    legend.push_back((*it)[1]);
  }
  ASSERT_EQ(legend.size(), 2u);
  EXPECT_TRUE(legend[0].starts_with("8x-clv (simulated), ")) << legend[0];
  EXPECT_TRUE(legend[1].starts_with("52x-cav (simulated), ")) << legend[1];
}

// A file compare cannot use is named, with exit code 2 and nothing printed or written; a run
// written before results carried a format, and lacking a figure, is compared with a dash.
TEST(CompareCommandTest, FilesItCannotUseAreRefusedByName) {
  ScratchDir dir("compare-refused");
  const std::string run = (dir.path() / "run.json").string();
  const std::string curve = (dir.path() / "curve.json").string();
  ASSERT_EQ(RunInProcess({"--simulate", "8x-clv", "--tests", "read16,read2", "--json", run}).code,
            0);
  ASSERT_EQ(RunInProcess({"--simulate", "8x-clv", "--curve", curve}).code, 0);
  const auto write = [&](const std::string& name, const std::string& text) {
    const std::string path = (dir.path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  };
  const std::string run_text = FileText(run);
  const std::string curve_text = FileText(curve);
  const std::string newer = write(
      "newer.json", std::regex_replace(run_text, std::regex("\"Format\": 2"), "\"Format\": 3"));
  const std::string broken = write("broken.json", run_text.substr(0, run_text.size() / 2));
  const std::string chart = (dir.path() / "chart.svg").string();
  const std::string table = write("curve.csv", "position_mb,position_percent,kbps,x\n");
  const std::vector<std::string> too_many(kMostChartedCurves + 1, curve);
  std::vector<std::string> too_many_charted = too_many;
  too_many_charted.insert(too_many_charted.end(), {"--chart", chart});
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{curve, table},
       "cannot read " + table +
           ": a transfer-rate curve's table is not read back; compare the "
           "curve's .json file"},
      {too_many_charted,
       "--chart draws up to 12 curves, each in a colour, line pattern and "
       "marker of its own; 13 were given"},
      {{run, curve}, curve + " is a transfer-rate curve and " + run + " a run's results"},
      {{run, newer},
       newer + " was written in result format 3 by Vantric 1.65; this version "
               "reads formats up to 2"},
      {{run, broken}, broken + " is not valid JSON: line "},
      {{run, (dir.path() / "none.json").string()},
       "cannot read " + (dir.path() / "none.json").string() + ": "},
      {{run, run, "--chart", chart}, "--chart draws transfer-rate curves, and " + run},
      {{run, "--with", "8x-clv,9x-clv"}, "unknown simulated drive in --with: \"9x-clv\""},
      {{run}, "compare needs two or more result files, or one with --with"},
      {{run, curve, "--json", curve}, "--json would overwrite " + curve},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"compare"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CliRun refused = RunInProcess(arguments);
    EXPECT_EQ(refused.code, kExitInvalidOptions) << c.message;
    EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out, "") << c.message;
  }
  EXPECT_FALSE(fs::exists(chart));
  EXPECT_EQ(FileText(run), run_text);
  EXPECT_EQ(FileText(curve), curve_text);

  // As written before the format was recorded: no Format, no DriveRating, and no 2k inside.
  std::string old_text = run_text;
  for (const char* member : {"\"Format\": 2,", "\"Read2Inside\": [0-9.e+-]+,",
                             "\"DriveRating\": [0-9.]+,", "\"DriveType\": \"CLV\","}) {
    old_text = std::regex_replace(old_text, std::regex(std::string("\n *") + member), "");
  }
  ASSERT_EQ(ParseFlatJson(old_text).count("Read2Inside"), 0u);
  const CliRun old = RunInProcess({"compare", write("old.json", old_text), run});
  ASSERT_EQ(old.code, kExitCompleted) << old.err;
  const auto rows = TableRows(old.out);
  const auto row = [&](const std::string& label) {
    for (const auto& cells : rows) {
      if (cells[0] == label) return cells;
    }
    return std::vector<std::string>{};
  };
  EXPECT_EQ(row("2k inside")[1], "-");
  EXPECT_EQ(row("2k inside")[2], "1200 kps");
  EXPECT_EQ(row("Drive rating"), (std::vector<std::string>{"Drive rating", "8.0X", "8.0X 0%"}));
  EXPECT_EQ(row("Drive type"), (std::vector<std::string>{"Drive type", "CLV", "CLV"}));
}

}  // namespace
}  // namespace vantric::testing
