// The desktop program's command line.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vantric {
namespace {

TEST(CommandLineTest, ReadsDrivesSimulationAndNetInFirstPlace) {
  DesktopOptions options;
  std::string error;
  const std::vector<std::string> arguments = {"NET",    "--drive",    "/mnt/a", "--drive",
                                              "/mnt/b", "--simulate", "8x-clv"};
  ASSERT_TRUE(ParseDesktopOptions(arguments, &options, &error)) << error;
  EXPECT_EQ(options.arguments, arguments);  // the engine finds NET first
  EXPECT_EQ(options.drive_directories, (std::vector<std::string>{"/mnt/a", "/mnt/b"}));
  EXPECT_EQ(options.simulate_profile, "8x-clv");

  ASSERT_TRUE(ParseDesktopOptions({}, &options, &error));
  EXPECT_TRUE(options.drive_directories.empty());
  EXPECT_TRUE(options.simulate_profile.empty());
}

TEST(CommandLineTest, RefusesWhatItCannotUseWithAReason) {
  const struct {
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {{"--drive"}, "--drive needs a value"},
      {{"--simulate"}, "--simulate needs a value"},
      {{"--drive", "/mnt/a", "NET"}, "NET must be the first argument"},
      {{"net"}, "unknown argument: net"},
      {{"--fast"}, "unknown argument: --fast"},
  };
  for (const auto& each : cases) {
    DesktopOptions options;
    std::string error;
    EXPECT_FALSE(ParseDesktopOptions(each.arguments, &options, &error));
    EXPECT_EQ(error, each.error);
  }
}

}  // namespace
}  // namespace vantric
