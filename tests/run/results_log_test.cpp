#include "run/results_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "run_rig.h"

namespace vantric::testing {
namespace {

namespace fs = std::filesystem;

std::string Joined(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TestResults EveryTestResults() {
  TestResults r;
  TestFlags& f = r.flags;
  f.Read16On = f.Read2On = f.FullStrokeOn = f.RandomAccessOn = f.OverheadOn = true;
  f.Cpu2xOn = f.Cpu4xOn = f.Cpu6xOn = f.Cpu8xOn = f.Cpu12xOn = f.CpuUserOn = true;
  f.CalibrationOn = f.Burst2kOn = f.Burst8kOn = f.Burst16kOn = true;
  r.PassCount = 2;
  r.Read16Outside = 1199.5;  // halves go to the even neighbour
  r.Read16Center = 1200.5;
  r.Read16Inside = 1234.4;
  r.Read2Outside = 600;
  r.Read2Center = 550;
  r.Read2Inside = 500;
  r.FullStrokeTime = 220.2;
  r.RandomAccessTime = 120.5;
  r.SeekOverhead = 2.5;
  r.CpuUsage2x = 3.5;
  r.CpuUsage4x = 0.4;
  r.CpuUsage6x = 9;
  r.CpuUsage8x = 12;
  r.CpuUsage12x = 18;
  r.CpuUsageUser = 15;
  r.BurstRate2k = 3000;
  r.BurstRate8k = 5000;
  r.BurstRate16k = 6000;
  r.MultimediaIndex = 46.5;
  r.ApplicationIndex = 46.7;
  r.DriveRatingText = "Drive rating: 8.1X";
  r.DriveTypeText = "Drive type: CLV";
  return r;
}

TEST(ResultsLogLinesTest, EveryTestRan) {
  const TestResults r = EveryTestResults();
  const ReportContent content{r,      "14:09:30", "14:12:01", "Drive X", "", "PC 200 MHz",
                              "1500", 32,         0};
  EXPECT_EQ(Joined(ResultsLogLines(content)),
            "\r\n"
            "Vantric 1.65 for Windows 95 - 2 Pass Test Results\r\n"
            "\r\n"
            "Test Started: 14:09:30\r\n"
            "Test Ended: 14:12:01\r\n"
            "\r\n"
            "User Supplied Information\r\n"
            "     Drive X\r\n"
            "     \r\n"
            "     PC 200 MHz\r\n"
            "\r\n"
            "Read Tests\r\n"
            "     16k outside: 1200 kps\r\n"
            "     16k center: 1200 kps\r\n"
            "     16k inside: 1234 kps\r\n"
            "     2k outside: 600 kps\r\n"
            "     2k center: 550 kps\r\n"
            "     2k inside: 500 kps\r\n"
            "\r\n"
            "Access Tests\r\n"
            "     Full Stroke: 220 ms\r\n"
            "     Random Access: 120 ms\r\n"
            "     Overhead: 2 ms\r\n"
            "\r\n"
            "CPU Tests\r\n"
            "     2X 300kps: 4%\r\n"
            "     4X 600kps: 0%\r\n"
            "     6X 900kps: 9%\r\n"
            "     8X 1200kps: 12%\r\n"
            "     12X 1800kps: 18%\r\n"
            "     User 1500kps: 15%\r\n"
            "\r\n"
            "Burst Tests\r\n"
            "     2k burst: 3000 kps\r\n"
            "     8k burst: 5000 kps\r\n"
            "     16k burst: 6000 kps\r\n"
            "\r\n"
            "CDFS Cache Info (Win95 only)\r\n"
            "     CDFS read ahead: 64k\r\n"
            "     CDFS cache size: unknown/or WinNT\r\n"
            "\r\n"
            "Vantric Calculated Drive Indexes\r\n"
            "     Multimedia Index: 46\r\n"
            "     Application Index: 47\r\n"
            "     Drive rating: 8.1X\r\n"
            "     Drive type: CLV\r\n");
}

TEST(ResultsLogLinesTest, OnlySixteenKRan) {
  TestResults r;
  r.flags.Read16On = true;
  r.PassCount = 1;
  r.Read16Outside = r.Read16Center = r.Read16Inside = 1200;
  r.CpuUsage8x = 50;  // a test turned off mid-run keeps no value that could leak out
  r.DriveRatingText = "Drive rating: 8.0X";
  r.DriveTypeText = "Drive type: CLV";
  const ReportContent content{r, "1", "2", "", "", "", "  77 ", -1, 0};
  const std::vector<std::string> lines = ResultsLogLines(content);
  ASSERT_EQ(lines.size(), 44u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.begin() + 10),
            (std::vector<std::string>{"     ", "     ", "     "}));
  EXPECT_EQ(Joined(std::vector<std::string>(lines.begin() + 11, lines.end()), "\n"),
            "Read Tests\n"
            "     16k outside: 1200 kps\n"
            "     16k center: 1200 kps\n"
            "     16k inside: 1200 kps\n"
            "     2k block: Disabled\n"
            "\n"
            "Access Tests\n"
            "     Full Stroke: Disabled\n"
            "     Random Access: Disabled\n"
            "     Overhead: Disabled\n"
            "\n"
            "CPU Tests\n"
            "     2X 300kps: Disabled\n"
            "     4X 600kps: Disabled\n"
            "     6X 900kps: Disabled\n"
            "     8x 1200kps: Disabled\n"
            "     12x 1800kps: Disabled\n"
            "     User: Disabled\n"
            "\n"
            "Burst Tests\n"
            "     2k burst: Disabled\n"
            "     8k burst: Disabled\n"
            "     16k burst: Disabled\n"
            "\n"
            "CDFS Cache Info (Win95 only)\n"
            "     CDFS read ahead: unknown/or WinNT\n"
            "     CDFS cache size: unknown/or WinNT\n"
            "\n"
            "Vantric Calculated Drive Indexes\n"
            "     Multimedia Index: requires 16k read and 2X cpu test\n"
            "     Application Index: requires 16k/2k read and random seek\n"
            "     Drive rating: 8.0X\n"
            "     Drive type: CLV\n");
}

class LogFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("log-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A short scripted run: 16k and 2k reads at 1200 KB/s, the access tests on a seek curve (a
  // random seek averages about 47 ms beyond the 2 ms overhead; 4400 / 47.3 + 1200 / 120 = 103).
  static void Configure(ScriptedRunRig& rig, const std::string& log) {
    rig.settings = NoTests();
    rig.settings.read16 = rig.settings.read2 = rig.settings.seekrand = true;
    rig.settings.burst8k = true;
    rig.settings.LogEdit = log;
    rig.user.typed1 = "  Test drive 8X ";
    rig.user.typed3 = "Computer";
    rig.engine.CdfsPrefetch = 4;
  }

  fs::path dir_;
};

TEST_F(LogFileTest, ScriptedRunAppendsItsReport) {
  const fs::path log = dir_ / "vantric.log";
  const std::string old_bytes = "earlier runs\r\nno newline at the end";
  std::ofstream(log, std::ios::binary) << old_bytes;

  ScriptedRunRig rig;
  Configure(rig, log.string());
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
  EXPECT_EQ(rig.user.asked, 1);
  EXPECT_TRUE(rig.results.UserInfoGiven);
  EXPECT_TRUE(rig.view.messages.empty());
  EXPECT_EQ(FileBytes(log), old_bytes +
                                "\r\n"
                                "Vantric 1.65 for Windows 95 - 1 Pass Test Results\r\n"
                                "\r\n"
                                "Test Started: 09:30:15\r\n"
                                "Test Ended: 09:30:15\r\n"
                                "\r\n"
                                "User Supplied Information\r\n"
                                "       Test drive 8X \r\n"
                                "     \r\n"
                                "     Computer\r\n"
                                "\r\n"
                                "Read Tests\r\n"
                                "     16k outside: 1200 kps\r\n"
                                "     16k center: 1200 kps\r\n"
                                "     16k inside: 1200 kps\r\n"
                                "     2k outside: 1200 kps\r\n"
                                "     2k center: 1200 kps\r\n"
                                "     2k inside: 1200 kps\r\n"
                                "\r\n"
                                "Access Tests\r\n"
                                "     Full Stroke: Disabled\r\n"
                                "     Random Access: 47 ms\r\n"
                                "     Overhead: 2 ms\r\n"
                                "\r\n"
                                "CPU Tests\r\n"
                                "     2X 300kps: Disabled\r\n"
                                "     4X 600kps: Disabled\r\n"
                                "     6X 900kps: Disabled\r\n"
                                "     8x 1200kps: Disabled\r\n"
                                "     12x 1800kps: Disabled\r\n"
                                "     User: Disabled\r\n"
                                "\r\n"
                                "Burst Tests\r\n"
                                "     2k burst: Disabled\r\n"
                                "     8k burst: 1200 kps\r\n"
                                "     16k burst: Disabled\r\n"
                                "\r\n"
                                "CDFS Cache Info (Win95 only)\r\n"
                                "     CDFS read ahead: 8k\r\n"
                                "     CDFS cache size: unknown/or WinNT\r\n"
                                "\r\n"
                                "Vantric Calculated Drive Indexes\r\n"
                                "     Multimedia Index: requires 16k read and 2X cpu test\r\n"
                                "     Application Index: 103\r\n"
                                "     Drive rating: 8.0X\r\n"
                                "     Drive type: CLV\r\n");
}

TEST_F(LogFileTest, AMissingFileIsCreatedAndASecondRunAppends) {
  const fs::path log = dir_ / "new.log";
  ScriptedRunRig first;
  Configure(first, log.string());
  ASSERT_EQ(first.Run(), RunOutcome::kCompleted);
  const std::string one_report = FileBytes(log);
  EXPECT_EQ(one_report.substr(0, 2), "\r\n");
  EXPECT_EQ(one_report.find("\r\n\r\nVantric 1.65"), std::string::npos);

  ScriptedRunRig second;
  Configure(second, log.string());
  second.user.typed1 = "";
  ASSERT_EQ(second.Run(), RunOutcome::kCompleted);
  EXPECT_FALSE(second.results.UserInfoGiven);
  const std::string both = FileBytes(log);
  EXPECT_EQ(both.substr(0, one_report.size()), one_report);
  EXPECT_EQ(both.size(), 2 * one_report.size() - std::string("  Test drive 8X ").size());
}

TEST_F(LogFileTest, UnopenableNamesReportAndTheRunStillCompletes) {
  std::ofstream(dir_ / "plain") << "x";
  for (const fs::path& bad :
       {dir_, dir_ / "plain" / "under-a-file.log", fs::path("/proc/vantric-no-such.log")}) {
    SCOPED_TRACE(bad.string());
    ScriptedRunRig rig;
    Configure(rig, bad.string());
    ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
    EXPECT_EQ(rig.view.messages, std::vector<std::string>{"Error opening log file."});
    EXPECT_TRUE(rig.results.ResultsValid);
    EXPECT_TRUE(rig.view.IsVisible("Button2"));
    EXPECT_FALSE(rig.view.hidden);
  }
  EXPECT_EQ(FileBytes(dir_ / "plain"), "x");
}

TEST_F(LogFileTest, AFullDeviceReportsAWriteError) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(AppendLinesToFile("/dev/full", {"a", "b"}), LogWriteOutcome::kWriteFailed);
  ScriptedRunRig rig;
  Configure(rig, "/dev/full");
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{"Error writing log file."});
  EXPECT_TRUE(rig.results.ResultsValid);
  EXPECT_TRUE(rig.view.IsVisible("Button2"));
}

}  // namespace
}  // namespace vantric::testing
