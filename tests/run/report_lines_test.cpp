#include "run/report_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantric {
namespace {

TestResults FullRun() {
  TestResults r;
  r.PassCount = 3;
  r.flags = {true, true, true, true, true, true, true, true,
             true, true, true, true, true, true, true};
  r.Read16Outside = 1234.5;  // halves go to the even neighbour
  r.Read16Center = 1100.5;
  r.Read16Inside = 900.4;
  r.Read2Outside = 600;
  r.Read2Center = 500;
  r.Read2Inside = 400;
  r.FullStrokeTime = 250.5;
  r.RandomAccessTime = 120.5;
  r.SeekOverhead = 2.5;
  r.CpuUsage2x = 3.5;
  r.CpuUsage4x = 6;
  r.CpuUsage6x = 9;
  r.CpuUsage8x = 12;
  r.CpuUsage12x = 18;
  r.CpuUsageUser = 0.4;
  r.BurstRate2k = 2000;
  r.BurstRate8k = 3000;
  r.BurstRate16k = 4000;
  r.MultimediaIndex = 41.5;
  r.ApplicationIndex = 12.2;
  r.DriveRatingText = "Drive rating: 8.2X";
  r.DriveTypeText = "Drive type: CLV";
  return r;
}

ReportContent ContentFor(const TestResults& results) {
  return {results, "14:09:30", "14:11:02", "Drive X", "Bus Y", "Box Z", "1500", 32, 0};
}

struct Expected {
  ReportFont font;
  ReportColumn column;
  std::string text;
  std::string value;
  int advance;
};

void ExpectLines(const std::vector<ReportLine>& lines, const std::vector<Expected>& expected) {
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1));
    EXPECT_EQ(lines[i].font, expected[i].font);
    EXPECT_EQ(lines[i].column, expected[i].column);
    EXPECT_EQ(lines[i].text, expected[i].text);
    EXPECT_EQ(lines[i].value, expected[i].value);
    EXPECT_EQ(lines[i].advance, expected[i].advance);
  }
}

constexpr ReportFont T = ReportFont::kTitle;
constexpr ReportFont H = ReportFont::kHeading;
constexpr ReportFont B = ReportFont::kBody;
constexpr ReportColumn M = ReportColumn::kMargin;
constexpr ReportColumn I = ReportColumn::kIndent;
constexpr ReportColumn R = ReportColumn::kRow;

TEST(ReportLines, FullRunInOrderWithFontsColumnsValuesAndAdvances) {
  const TestResults results = FullRun();
  ExpectLines(ReportLines(ContentFor(results)),
              {
                  {T, M, "Vantric 1.65 for Windows 95 - 3 Pass Test Results", "", 2},
                  {B, M, "Test Started: 14:09:30", "", 1},
                  {B, M, "Test Ended: 14:11:02", "", 2},
                  {H, M, "User Supplied Information", "", 1},
                  {B, I, "Drive X", "", 1},
                  {B, I, "Bus Y", "", 1},
                  {B, I, "Box Z", "", 2},
                  {H, M, "Read Tests", "", 1},
                  {B, R, "16k outside: ", "1234 kps", 1},
                  {B, R, "16k center: ", "1100 kps", 1},
                  {B, R, "16k inside: ", "900 kps", 1},
                  {B, R, "2k outside: ", "600 kps", 1},
                  {B, R, "2k center: ", "500 kps", 1},
                  {B, R, "2k inside: ", "400 kps", 2},
                  {H, M, "Seek Tests", "", 1},
                  {B, R, "Full Stroke: ", "250 ms", 1},
                  {B, R, "Random Access: ", "120 ms", 1},
                  {B, R, "Overhead: ", "2 ms", 2},
                  {H, M, "CPU Tests", "", 1},
                  {B, R, "2X 300kps: ", "4%", 1},
                  {B, R, "4X 600kps: ", "6%", 1},
                  {B, R, "6X 900kps: ", "9%", 1},
                  {B, R, "8X 1200kps: ", "12%", 1},
                  {B, R, "12X 1800kps: ", "18%", 1},
                  {B, R, "User 1500kps: ", "0%", 2},
                  {H, M, "Burst Tests", "", 1},
                  {B, R, "2k burst: ", "2000 kps", 1},
                  {B, R, "8k burst: ", "3000 kps", 1},
                  {B, R, "16k burst: ", "4000 kps", 2},
                  {H, M, "CDFS Cache Info (Win95 only)", "", 1},
                  {B, R, "CDFS read ahead: ", "64k", 1},
                  {B, R, "CDFS cache size: ", "unknown/or WinNT", 2},
                  {H, M, "Vantric Calculated Drive Indexes", "", 1},
                  {B, R, "Multimedia Index: ", "42", 1},
                  {B, R, "Application Index: ", "12", 2},
                  {B, R, "Drive rating: ", "8.2X", 2},
                  {B, R, "Drive type: ", "CLV", 2},
              });
}

std::vector<std::string> ValuesOf(const std::vector<ReportLine>& lines) {
  std::vector<std::string> values;
  for (const ReportLine& line : lines) values.push_back(line.value);
  return values;
}

TEST(ReportLines, OnlyThe16kReadTestLeavesEveryOtherResultDisabled) {
  TestResults results = FullRun();
  results.flags = {};
  results.flags.Read16On = true;
  results.MultimediaIndex = 0;
  results.ApplicationIndex = 0;
  results.DriveRatingText = "Drive rating: 8.0X";
  results.DriveTypeText = "Drive type: CAV";
  const std::vector<ReportLine> lines = ReportLines(ContentFor(results));
  const std::vector<std::string> values = ValuesOf(lines);

  EXPECT_EQ(values[8], "1234 kps");
  EXPECT_EQ(values[9], "1100 kps");
  EXPECT_EQ(values[10], "900 kps");
  for (int row : {12, 13, 14, 16, 17, 18, 20, 21, 22, 23, 24, 25, 27, 28, 29}) {
    EXPECT_EQ(values[row - 1], "Disabled") << "row " << row;
  }
  // Unlike the log file, the user CPU row keeps its label when disabled.
  EXPECT_EQ(lines[24].text, "User 1500kps: ");
  EXPECT_EQ(values[33], "requires 16k read and 2X cpu test");
  EXPECT_EQ(values[34], "requires 16k/2k read and random seek");
  EXPECT_EQ(values[35], "8.0X");
  EXPECT_EQ(values[36], "CAV");
}

TEST(ReportLines, EmptyUserRateAndUntestedDrive) {
  TestResults results = FullRun();
  results.flags.CpuUserOn = false;
  results.DriveRatingText = "Drive rating: not tested";
  results.DriveTypeText = "Drive type: not tested";
  ReportContent content = ContentFor(results);
  content.userval = "";
  content.Edit1 = content.Edit2 = content.Edit3 = "";
  const std::vector<ReportLine> lines = ReportLines(content);

  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(lines[24].text, "User kps: ");
  EXPECT_EQ(lines[24].value, "Disabled");
  // Empty user texts still take their lines.
  EXPECT_EQ(lines[4].text, "");
  EXPECT_EQ(lines[6].text, "");
  EXPECT_EQ(lines[6].advance, 2);
  EXPECT_EQ(lines[35].text, "Drive rating: ");
  EXPECT_EQ(lines[35].value, "not tested");
  EXPECT_EQ(lines[36].text, "Drive type: ");
  EXPECT_EQ(lines[36].value, "not tested");
}

TEST(ReportLines, IndexesPrintOnlyWhenAboveZeroAndCdfsValuesDouble) {
  TestResults results = FullRun();
  results.MultimediaIndex = -3;
  results.ApplicationIndex = 0.4;  // computed, though it rounds to 0
  ReportContent content = ContentFor(results);
  content.CdfsPrefetch = -1;
  content.CdfsCacheSize = 1;
  const std::vector<std::string> values = ValuesOf(ReportLines(content));
  EXPECT_EQ(values[30], "unknown/or WinNT");
  EXPECT_EQ(values[31], "2k");
  EXPECT_EQ(values[33], "requires 16k read and 2X cpu test");
  EXPECT_EQ(values[34], "0");
}

TEST(SplitDriveText, LabelRunsToTheSpaceAfterTheFirstColon) {
  using Split = std::pair<std::string, std::string>;
  EXPECT_EQ(SplitDriveText("Drive rating: not tested"), Split("Drive rating: ", "not tested"));
  EXPECT_EQ(SplitDriveText("Drive type: CLV"), Split("Drive type: ", "CLV"));
  EXPECT_EQ(SplitDriveText("a: b: c"), Split("a: ", "b: c"));
  EXPECT_EQ(SplitDriveText("Drive type:"), Split("Drive type:", ""));
  EXPECT_EQ(SplitDriveText(""), Split("", ""));
  EXPECT_EQ(SplitDriveText("CLV"), Split("", "CLV"));
  const std::string long_value(150, 'x');
  EXPECT_EQ(SplitDriveText("Drive type: " + long_value),
            Split("Drive type: ", std::string(100, 'x')));
}

}  // namespace
}  // namespace vantric
