// The desktop program's command line.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "run/program_version.h"
#include "temp_dir.h"

namespace vantric {
namespace {

TEST(CommandLineTest, ReadsDrivesSimulationAndNetInFirstPlace) {
  DesktopOptions options;
  std::string error;
  const std::vector<std::string> arguments = {"NET", "--drive", "/mnt/a", "--drive=/mnt/b"};
  ASSERT_TRUE(ParseDesktopOptions(arguments, &options, &error)) << error;
  EXPECT_EQ(options.arguments, arguments);  // the engine finds NET first
  EXPECT_TRUE(options.net);
  EXPECT_EQ(options.drive_directories, (std::vector<std::string>{"/mnt/a", "/mnt/b"}));

  ASSERT_TRUE(ParseDesktopOptions({"--simulate", "8x-clv"}, &options, &error)) << error;
  EXPECT_EQ(options.simulate_profile, "8x-clv");
  EXPECT_FALSE(options.net);
  ASSERT_TRUE(ParseDesktopOptions({}, &options, &error));
  EXPECT_TRUE(options.drive_directories.empty());
  EXPECT_TRUE(options.simulate_profile.empty());
}

// Whatever the terminal program refuses among the options both take, the desktop program refuses
// before a window opens, in the same words under its own name; --help and --version answer as
// the terminal's do.
TEST(CommandLineTest, RefusesAndAnswersAsTheTerminalProgramDoes) {
  testing::TempDir dir;
  const std::string file = dir / "file";
  std::ofstream(file) << "x";
  const std::vector<std::vector<std::string>> refused = {
      {"--drive", dir / "no-such-folder"},
      {"--drive=" + file},
      {"--drive"},
      {"--simulate"},
      {"--simulate="},
      {"--simulate", "9x-clv"},
      {"--simulate", "8x-clv", "--drive", dir.path()},
      {"--drive", dir.path(), "NET"},
      {"--help=yes"},
      {"--version=1"},
      {"net"},
      {"--fast"},
  };
  for (const std::vector<std::string>& arguments : refused) {
    SCOPED_TRACE(arguments.back());
    std::ostringstream out, err;
    ASSERT_EQ(RunCli(arguments, out, err, false), kExitInvalidOptions);
    std::string expected = err.str();
    ASSERT_EQ(expected.rfind("vantric-cli: ", 0), 0u) << expected;
    for (size_t at; (at = expected.find("vantric-cli")) != std::string::npos;) {
      expected.replace(at, 11, "vantric");
    }
    const DesktopStart start = ReadDesktopCommandLine(arguments);
    EXPECT_EQ(start.machine, nullptr);
    EXPECT_EQ(start.exit_code, 2);
    EXPECT_EQ(start.err, expected);
    EXPECT_EQ(start.out, "");
  }

  const DesktopStart version = ReadDesktopCommandLine({"--version"});
  EXPECT_EQ(version.out, std::string("vantric ") + kProgramVersion + "\n");
  for (const char* help : {"--help", "-h"}) {
    const DesktopStart start = ReadDesktopCommandLine({"--drive", "x", help});
    EXPECT_EQ(start.exit_code, 0);
    EXPECT_EQ(start.machine, nullptr);
    EXPECT_EQ(start.out, DesktopUsage());
  }
  // Every option line of the desktop's help is the terminal's own.
  std::ostringstream cli_help, ignored;
  RunCli({"--help"}, cli_help, ignored, false);
  std::istringstream lines(DesktopUsage());
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) continue;
    EXPECT_NE(cli_help.str().find(line + "\n"), std::string::npos) << line;
  }

  const DesktopStart simulated = ReadDesktopCommandLine({"--simulate=24x-cav"});
  ASSERT_NE(simulated.machine, nullptr) << simulated.err;
  EXPECT_EQ(simulated.machine->SimulatedProfile(), "24x-cav");
  const DesktopStart folder = ReadDesktopCommandLine({"NET", "--drive", dir.path()});
  ASSERT_NE(folder.machine, nullptr) << folder.err;
  EXPECT_EQ(folder.out + folder.err, "");
  EXPECT_EQ(folder.options.arguments.front(), "NET");
}

}  // namespace
}  // namespace vantric
