#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/interrupt.h"
#include "cli/run_notes.h"
#include "cli_in_process.h"
#include "engine/test_positions.h"
#include "json_reader.h"
#include "named_drives.h"

namespace vantric::testing {
namespace {

// A value written under another test's flag would pass for a measurement that was never made.
TEST(CliRunTest, EachJsonValueAppearsUnderItsOwnTestOnly) {
  const std::vector<std::string> measured = {
      "Read16Inside",    "Read16Center",   "Read16Outside",    "Read2Inside",  "Read2Center",
      "Read2Outside",    "FullStrokeTime", "RandomAccessTime", "SeekOverhead", "CpuCalibration",
      "CpuUsage2x",      "CpuUsage4x",     "CpuUsage6x",       "CpuUsage8x",   "CpuUsage12x",
      "CpuUsageUser",    "BurstRate2k",    "BurstRate8k",      "BurstRate16k", "MultimediaIndex",
      "ApplicationIndex"};
  using Keys = std::set<std::string>;
  const Keys read16 = {"Read16Inside", "Read16Center", "Read16Outside"};
  const auto with_read16 = [&](Keys more) {
    more.insert(read16.begin(), read16.end());
    more.insert("CpuCalibration");
    return more;
  };
  const struct {
    std::vector<std::string> selection;
    Keys expected;
  } cases[] = {
      {{"--tests", "read16"}, read16},
      {{"--tests", "read2"}, {"Read2Inside", "Read2Center", "Read2Outside"}},
      {{"--tests", "seekfull"}, {"FullStrokeTime", "SeekOverhead"}},
      {{"--tests", "seekrand"}, {"RandomAccessTime", "SeekOverhead"}},
      {{"--tests", "read16,cpu2x"}, with_read16({"CpuUsage2x", "MultimediaIndex"})},
      {{"--tests", "read16,cpu4x"}, with_read16({"CpuUsage4x"})},
      {{"--tests", "read16,cpu6x"}, with_read16({"CpuUsage6x"})},
      {{"--tests", "read16,cpu8x"}, with_read16({"CpuUsage8x"})},
      {{"--tests", "read16,cpu12x"}, with_read16({"CpuUsage12x"})},
      {{"--tests", "read16", "--user-rate", "2000"}, with_read16({"CpuUsageUser"})},
      {{"--tests", "burst2k"}, {"BurstRate2k"}},
      {{"--tests", "burst8k"}, {"BurstRate8k"}},
      {{"--tests", "burst16k"}, {"BurstRate16k"}},
      {{"--tests", "read16,read2,seekrand"},
       {"Read16Inside", "Read16Center", "Read16Outside", "Read2Inside", "Read2Center",
        "Read2Outside", "RandomAccessTime", "SeekOverhead", "ApplicationIndex"}},
      {{"--tests", "cpu2x"}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"--simulate", "52x-cav", "--json", "-"};
    arguments.insert(arguments.end(), c.selection.begin(), c.selection.end());
    const CliRun run = RunInProcess(arguments);
    ASSERT_EQ(run.code, 0) << run.err;
    const JsonObject json = ParseFlatJson(run.out);
    Keys present;
    for (const std::string& key : measured) {
      if (!std::holds_alternative<std::nullptr_t>(json.at(key))) present.insert(key);
    }
    EXPECT_EQ(present, c.expected) << c.selection[1];
  }
  // A CPU test without the 16k read test is said to be impossible before the run.
  EXPECT_NE(RunInProcess({"--simulate", "52x-cav", "--tests", "cpu2x"})
                .err.find("Note: the CPU tests need the 16k read test"),
            std::string::npos);
}

// "test N of M" as the progress line showed them, each change once, with the pass.
std::vector<std::string> TestSteps(const std::string& err) {
  static const std::regex step("Pass (\\d) of \\d - test (\\d+) of (\\d+)");
  std::vector<std::string> steps;
  for (auto it = std::sregex_iterator(err.begin(), err.end(), step); it != std::sregex_iterator();
       ++it) {
    const std::string entry = (*it)[1].str() + ":" + (*it)[2].str() + "/" + (*it)[3].str();
    if (steps.empty() || steps.back() != entry) steps.push_back(entry);
  }
  return steps;
}

// On an 8X drive the 12X CPU test fails its gate once pass 1 has measured the 16k outside
// rate: from there on the count leaves it out. Pass 2 has neither the overhead nor the
// calibration.
TEST(CliRunTest, TheProgressLineCountsTheTestsThatWillRun) {
  const CliRun run = RunInProcess({"--simulate", "8x-clv", "--passes", "2"}, true);
  ASSERT_EQ(run.code, 0) << run.err;
  std::vector<std::string> expected;
  for (int n = 1; n <= 5; ++n) expected.push_back("1:" + std::to_string(n) + "/18");
  for (int n = 6; n <= 17; ++n) expected.push_back("1:" + std::to_string(n) + "/17");
  for (int n = 1; n <= 15; ++n) expected.push_back("2:" + std::to_string(n) + "/15");
  EXPECT_EQ(TestSteps(run.err), expected);
  EXPECT_NE(run.err.find("test 3 of 18 - Current Test: Read 16k center "), std::string::npos);
  EXPECT_NE(run.err.find("test 4 of 18 - Current Test: Read 2k center "), std::string::npos);
  EXPECT_NE(run.err.find("Note: the 12X 1800kps CPU test was not run: the drive's 16k outside "
                         "rate in pass 1, 1200 kps, is too slow for it."),
            std::string::npos);
  EXPECT_NE(run.out.find("\n     12x 1800kps: Disabled\n"), std::string::npos);
}

// A simulated drive that names itself.
struct NamedDriveMachine {
  std::unique_ptr<Simulation> simulation = MakeSimulation("8x-clv", nullptr);
  NamedDrives drives{simulation->drives(),
                     {"/dev/sr0", "ACME", "CD-52", "1.0"},
                     "cannot open /dev/sr0 (Permission denied)"};
  Machine machine{simulation->clock(), drives};
};

TEST(CliRunTest, TheDriveThatWasMeasuredIsNamed) {
  CliOptions options;
  ASSERT_EQ(
      ParseCliOptions({"--tests", "burst2k", "--drive-info", "auto", "--json", "-"}, &options),
      std::nullopt);
  NamedDriveMachine acme;
  std::ostringstream out, err;
  ASSERT_EQ(RunCliOn(options, acme.machine, out, err, false), 0) << err.str();
  EXPECT_EQ(
      err.str().rfind(
          "Test file: D:\\DATA\\VANTRIC.DAT (simulated reads) on /dev/sr0, ACME CD-52 1.0\n", 0),
      0u)
      << err.str();
  const JsonObject named = ParseFlatJson(out.str());
  EXPECT_EQ(std::get<std::string>(named.at("Edit1")), "ACME CD-52 1.0");
  EXPECT_EQ(std::get<std::string>(named.at("Drive.Device")), "/dev/sr0");
  EXPECT_EQ(std::get<std::string>(named.at("Drive.Model")), "CD-52");

  // A drive that cannot name itself leaves the text empty, and says so.
  const CliRun unnamed = RunInProcess(
      {"--simulate", "8x-clv", "--tests", "burst2k", "--drive-info", "auto", "--json", "-"});
  const JsonObject json = ParseFlatJson(unnamed.out);
  EXPECT_EQ(std::get<std::string>(json.at("Edit1")), "");
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("Drive")));
  EXPECT_NE(unnamed.err.find("--drive-info auto leaves the drive text empty"), std::string::npos);

  // After a fruitless search the help names each drive and what kept it from being searched.
  EXPECT_NE(NoDiscHelp(acme.drives, {"D:"}, {})
                .find("\n  D: /dev/sr0, ACME CD-52 1.0 (CD-ROM drive)\n"
                      "    cannot open /dev/sr0 (Permission denied).\n"),
            std::string::npos);
}

// Ctrl-C pressed while the terminal shows a test at work: the run ends there, and the value
// that test was measuring is never printed.
TEST(CliRunTest, CtrlCDuringATestPrintsNoValueForIt) {
  // Presses Ctrl-C when the progress line first shows the test half done.
  class PressingCtrlC : public std::stringbuf {
    int sync() override {
      if (str().find("Read 2k center 50%") != std::string::npos) SetInterruptRequested(true);
      return 0;
    }
  } pressing;
  std::ostream err(&pressing);
  CliOptions options;
  ASSERT_EQ(ParseCliOptions({"--simulate", "8x-clv"}, &options), std::nullopt);
  Machine machine(MakeSimulation("8x-clv", nullptr));
  std::ostringstream out;
  const int code = RunCliOn(options, machine, out, err, true);
  SetInterruptRequested(false);
  const std::string printed = pressing.str();
  EXPECT_EQ(code, kExitCancelled) << printed;
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(printed.find("\x1b[K16k center: "), std::string::npos) << "the test before it";
  EXPECT_EQ(printed.find("\x1b[K2k center: "), std::string::npos) << printed;
  EXPECT_NE(printed.find("Test aborted by user.\n"), std::string::npos);
}

// The warning is for a run that will fail: tests that stay within a short file run to the end.
TEST(CliRunTest, AShortTestFileIsWarnedOfOnlyWhenTheSelectedTestsReadBeyondIt) {
  const int64_t bytes = (kWarmUpLastSector + 1) * int64_t{SECTOR_SIZE};
  const struct {
    const char* tests;
    bool warned;
    int code;
  } cases[] = {{"burst2k,burst16k", false, kExitCompleted}, {"seekrand", true, kExitReadFailed}};
  for (const auto& c : cases) {
    CliOptions options;
    ASSERT_EQ(ParseCliOptions({"--tests", c.tests}, &options), std::nullopt);
    Machine machine(MakeSimulation("8x-clv", nullptr, bytes));
    std::ostringstream out, err;
    EXPECT_EQ(RunCliOn(options, machine, out, err, false), c.code) << c.tests << "\n" << err.str();
    EXPECT_EQ(err.str().find("Warning: the test file holds " + std::to_string(bytes) + " bytes") !=
                  std::string::npos,
              c.warned)
        << c.tests << "\n"
        << err.str();
  }
}

}  // namespace
}  // namespace vantric::testing
