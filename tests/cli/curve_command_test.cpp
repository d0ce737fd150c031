#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/cli_app.h"
#include "cli_test_files.h"
#include "json_reader.h"

namespace vantric::testing {
namespace {

struct CliRun {
  int code;
  std::string out, err;
};

CliRun RunInProcess(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int code = RunCli(arguments, out, err, false);
  return {code, out.str(), err.str()};
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// The three files of one simulated drive, each holding one point per stretch.
TEST(CurveCommandTest, WritesTheFileTheExtensionNamesAndReportsTheShape) {
  ScratchDir dir("curve");
  for (const char* name : {"curve.csv", "curve.json", "curve.svg"}) {
    SCOPED_TRACE(name);
    const fs::path file = dir.path() / name;
    const CliRun run = RunInProcess({"--simulate", "52x-cav", "--curve", file.string()});
    ASSERT_EQ(run.code, kExitCompleted) << run.err;
    EXPECT_NE(run.out.find("Shape:   CAV\n"), std::string::npos) << run.out;
    const std::string text = FileText(file);
    if (file.extension() == ".csv") {
      EXPECT_EQ(Count(text, "\n"), 101u);
    } else if (file.extension() == ".json") {
      const JsonObject json = ParseFlatJson(text);
      EXPECT_EQ(std::get<double>(json.at("Points")), 100);
      EXPECT_EQ(std::get<std::string>(json.at("Shape")), "CAV");
      EXPECT_EQ(std::get<std::string>(json.at("SimulatedProfile")), "52x-cav");
      // The end of a CAV ramp reads faster than its start by the ratio of the radii.
      EXPECT_NEAR(
          std::get<double>(json.at("EndX")) / std::get<double>(json.at("StartX")),
          std::get<double>(json.at("Points.99.X")) / std::get<double>(json.at("Points.0.X")),
          1e-12);
    } else {
      EXPECT_EQ(Count(text, "class=\"point\""), 100u);
      EXPECT_EQ(Count(text, "class=\"minimum\""), 1u);
      if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(("xmllint --noout '" + file.string() + "'").c_str()), 0);
      }
    }
  }
}

// What would only fail after minutes of reading is refused at once, and nothing is written.
TEST(CurveCommandTest, RefusesWhatItCannotWriteOrDoes) {
  ScratchDir dir("curve-options");
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--curve", (dir.path() / "curve.png").string()},
           {"--curve", (dir.path() / "curve.csv").string(), "--passes", "2"},
           {"--curve", (dir.path() / "curve.csv").string(), "--curve-mode", "slow"},
           {"--curve", (dir.path() / "no" / "such" / "curve.csv").string()}}) {
    std::vector<std::string> full = {"--simulate", "8x-clv"};
    full.insert(full.end(), arguments.begin(), arguments.end());
    const CliRun run = RunInProcess(full);
    EXPECT_EQ(run.code, kExitInvalidOptions) << arguments.back();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A short test file is measured as far as it goes, without the run's warning; one sector is
// too few to time anything.
TEST(CurveCommandTest, AShortFileIsMeasuredAndASingleSectorIsRefused) {
  ScratchDir dir("curve-short");
  const std::string curve = (dir.path() / "curve.csv").string();
  const CliRun one_sector =
      RunInProcess({"--drive", dir.MakeDiscRoot("one", 2048).string(), "--curve", curve});
  EXPECT_EQ(one_sector.code, kExitFailed);
  EXPECT_NE(one_sector.err.find("The test file holds 2048 bytes, too few for a transfer rate "
                                "curve.\n"),
            std::string::npos)
      << one_sector.err;
  EXPECT_FALSE(fs::exists(curve));

  const CliRun short_file =
      RunInProcess({"--drive", dir.MakeDiscRoot("short", 801 * 2048).string(), "--curve", curve});
  ASSERT_EQ(short_file.code, kExitCompleted) << short_file.err;
  EXPECT_EQ(short_file.err.find("Warning:"), std::string::npos) << short_file.err;
  // 51 stretches of 16 sectors; the last, of one sector, only positions the head.
  EXPECT_EQ(Count(FileText(curve), "\n"), 1 + 50u);
}

TEST(CurveCommandTest, AFailedReadEndsItWithExitThreeAndNoFile) {
  ScratchDir dir("curve-failed");
  CliOptions options;
  options.curve_path = (dir.path() / "curve.svg").string();
  std::string error;
  auto simulation = MakeSimulation("8x-clv", &error);
  // Inside the timed megabyte of the stretch from sector 99000, which reads 8 sectors at a time
  // from 99001.
  simulation->faults().first_bad_sector = 99'100;
  simulation->faults().end_bad_sector = 99'101;
  Machine machine(std::move(simulation));
  std::ostringstream out, err;
  EXPECT_EQ(RunCliOn(options, machine, out, err, false), kExitReadFailed);
  // It stops at the failure, a third of the way through, instead of reading on.
  VirtualClock& clock = machine.simulation()->clock();
  EXPECT_LT(clock.SecondsForCounts(clock.Now()), 40);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("Error reading the test disc at sector 99097: Input/output error.\n"),
            std::string::npos)
      << err.str();
  EXPECT_FALSE(fs::exists(options.curve_path)) << err.str();
}

}  // namespace
}  // namespace vantric::testing
