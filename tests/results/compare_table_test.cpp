#include "results/compare_table.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace vantric::testing {
namespace {

ResultFile RunFile(const std::string& name, std::map<std::string, double, std::less<>> values,
                   std::string userval = "") {
  ResultFile run;
  run.name = name;
  run.title = "ACME CD-1 1.0";
  run.date = "2026-12-09 10:00";
  run.values = std::move(values);
  run.userval = std::move(userval);
  return run;
}

const CompareRow& RowOf(const CompareTable& table, const std::string& label) {
  for (const CompareRow& row : table.rows) {
    if (row.label == label) return row;
  }
  throw std::runtime_error("no row " + label);
}

// The second column's cell of a row, as printed: value, difference and verdict. Cells are set
// apart by three spaces or more.
std::string Cell(const CompareTable& table, const std::string& label) {
  std::istringstream text(CompareTableText(table));
  for (std::string line; std::getline(text, line);) {
    if (line.rfind("  " + label + " ", 0) != 0) continue;
    const std::string row = line.substr(2);
    const std::regex gap(" {3,}");
    std::vector<std::string> cells(std::sregex_token_iterator(row.begin(), row.end(), gap, -1),
                                   std::sregex_token_iterator());
    return cells.size() > 2 ? cells[2] : "";
  }
  return "";
}

// A difference that rounds to 0% is no difference, whichever way it goes; from half a percent
// on, rounded half to even, it is one.
TEST(CompareTableTest, VerdictsFollowTheRoundedPercent) {
  const struct {
    const char* label;
    const char* key;
    double first, second;
    const char* cell;
  } cases[] = {
      {"16k outside", "Read16Outside", 1200, 1203.6, "1204 kps 0%"},
      {"16k outside", "Read16Outside", 1200, 1206, "1206 kps 0%"},
      {"16k outside", "Read16Outside", 1200, 1206.12, "1206 kps +1% better"},
      {"16k outside", "Read16Outside", 1200, 1195, "1195 kps 0%"},
      {"16k outside", "Read16Outside", 1200, 1193.9, "1194 kps -1% worse"},
      {"Random Access", "RandomAccessTime", 100, 100.4, "100 ms 0%"},
      {"Random Access", "RandomAccessTime", 100, 101.6, "102 ms +2% worse"},
      {"Random Access", "RandomAccessTime", 100, 98, "98 ms -2% better"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " " + std::to_string(c.second));
    const CompareTable table = BuildCompareTable(
        {RunFile("a.json", {{c.key, c.first}}), RunFile("b.json", {{c.key, c.second}})});
    EXPECT_EQ(Cell(table, c.label), c.cell);
    const std::string_view verdict = Verdict(RowOf(table, c.label), 1);
    EXPECT_EQ(std::string(c.cell).ends_with(std::string(verdict)), true) << verdict;
  }
}

// Runs at different user rates measured different things: a row per rate, each with the one
// value of its own rate and nothing to set against it.
TEST(CompareTableTest, EachUserRateHasARowOfItsOwn) {
  const CompareTable table = BuildCompareTable({RunFile("a.json", {{"CpuUsageUser", 10}}, "1000"),
                                                RunFile("b.json", {{"CpuUsageUser", 11}}, "1100"),
                                                RunFile("c.json", {{"CpuUsageUser", 12}}, "1000")});
  const CompareRow& slow = RowOf(table, "User 1000kps");
  const CompareRow& fast = RowOf(table, "User 1100kps");
  EXPECT_EQ(slow.texts, (std::vector<std::string>{"10%", "-", "12%"}));
  EXPECT_EQ(fast.texts, (std::vector<std::string>{"-", "11%", "-"}));
  EXPECT_FALSE(PercentFromFirst(fast, 1));
  EXPECT_EQ(Verdict(fast, 1), "");
  EXPECT_EQ(Cell(table, "User 1100kps"), "11%");
  EXPECT_EQ(Verdict(slow, 2), "worse");
}

std::vector<std::string> HeadingLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line) && line.rfind("Transfer Rate", 0) != 0;) {
    lines.push_back(line);
  }
  return lines;
}

// Two curves of one drive taken in the same minute: the mode tells a quick one from a full one,
// and the files' names what the mode cannot.
TEST(CompareTableTest, CurvesOfOneDriveAreToldApartByModeAndThenByFile) {
  ResultFile quick;
  quick.kind = ResultKind::kCurve;
  quick.name = "/home/u/curves/quick.json";
  quick.title = "ACME CD-1 1.0 (/dev/sr0)";
  quick.date = "2026-12-09 10:00";
  quick.mode = "quick";
  quick.points = {{1, 1, 1200}, {2, 2, 1200}};
  ResultFile full = quick;
  full.name = "/home/u/curves/full.json";
  full.mode = "full";

  std::vector<std::string> lines = HeadingLines(CompareTableText(BuildCompareTable({quick, full})));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[2].find("quick curve"), std::string::npos) << lines[2];
  EXPECT_NE(lines[2].find("full curve"), std::string::npos) << lines[2];

  ResultFile again = quick;
  again.name = "/home/u/curves/quick-again.json";
  lines = HeadingLines(CompareTableText(BuildCompareTable({quick, again})));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[3].find("quick.json"), std::string::npos) << lines[3];
  EXPECT_NE(lines[3].find("quick-again.json"), std::string::npos) << lines[3];
  EXPECT_EQ(lines[3].find("/home"), std::string::npos) << "the name alone: " << lines[3];
}

}  // namespace
}  // namespace vantric::testing
