#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include "cli/cli_checks.h"
#include "run/text_readers.h"

namespace vantric {
namespace {

std::optional<std::string> Parse(std::vector<std::string> arguments, CliOptions* options) {
  return ParseCliOptions(arguments, options);
}

TEST(CliOptionsTest, DefaultsAreTheDialogsDefaults) {
  CliOptions o;
  ASSERT_EQ(Parse({}, &o), std::nullopt);
  const TestSettings defaults;
  EXPECT_TRUE(o.settings.read16 && o.settings.cpu12x && o.settings.burst16k);
  EXPECT_FALSE(o.settings.cpuuser);
  EXPECT_EQ(o.settings.PassEdit, "1");
  EXPECT_EQ(o.settings.LogEdit, "");
  EXPECT_FALSE(o.net);
}

TEST(CliOptionsTest, EveryOption) {
  CliOptions o;
  ASSERT_EQ(Parse({"NET",
                   "--drive",
                   "/a",
                   "--drive",
                   "/b",
                   "--tests",
                   "read16,burst8k",
                   "--user-rate",
                   " 1500 ",
                   "--passes",
                   "3",
                   "--log",
                   " x.log",
                   "--drive-info",
                   "D",
                   "--controller-info",
                   "C",
                   "--computer-info",
                   "P",
                   "--json",
                   "-",
                   "--quiet"},
                  &o),
            std::nullopt);
  EXPECT_TRUE(o.net);
  EXPECT_EQ(o.drive_directories, (std::vector<std::string>{"/a", "/b"}));
  const TestSettings& s = o.settings;
  EXPECT_TRUE(s.read16 && s.burst8k && s.cpuuser);
  EXPECT_FALSE(s.read2 || s.seekfull || s.seekrand || s.cpu2x || s.cpu12x || s.burst2k ||
               s.burst16k);
  EXPECT_EQ(s.userval, " 1500 ");  // as typed: the log shows it so
  EXPECT_EQ(s.PassEdit, "3");
  EXPECT_EQ(s.LogEdit, " x.log");  // trimmed by the checks, not here
  EXPECT_EQ(o.drive_info + o.controller_info + o.computer_info, "DCP");
  EXPECT_EQ(o.json_path, "-");
  EXPECT_TRUE(o.quiet);
}

TEST(CliOptionsTest, AValueMayFollowAnEqualsSign) {
  CliOptions o;
  ASSERT_EQ(Parse({"--log=x=y", "--user-rate=1500", "--drive-info="}, &o), std::nullopt);
  EXPECT_EQ(o.settings.LogEdit, "x=y");  // only the first equals sign divides
  EXPECT_EQ(o.settings.userval, "1500");
  EXPECT_TRUE(o.settings.cpuuser);
  EXPECT_EQ(Parse({"--quiet=yes"}, &o), "--quiet takes no value");
}

// The run keeps what TrimBlanks keeps of the name; a name it would cut is refused.
TEST(CliOptionsTest, ALogNameIsRefusedExactlyWhenTheRunWouldCutIt) {
  const std::string name159(159, 'a');
  for (const std::string& name : {name159, name159 + "b", name159 + "b" + "      ", name159 + "bc",
                                  " " + name159 + "b", std::string("   ")}) {
    const size_t first = name.find_first_not_of(' ');
    const size_t last = name.find_last_not_of(' ');
    const std::string whole =
        first == std::string::npos ? "" : name.substr(first, last - first + 1);
    EXPECT_EQ(CheckLogNameLength(name).has_value(), TrimBlanks(name) != whole) << name.size();
  }
}

// The dialog reads the digits before anything else; what it would read as another number than
// the one written is refused with what the option takes, the rest left to its checks.
TEST(CliOptionsTest, ANumberTheDialogWouldReadAsAnotherIsRefused) {
  const std::string passes = "1 to 99 passes", rate = "an even number of KB/s";
  const std::string beyond_the_field = std::string(23, ' ') + "12";  // the dialog reads 1
  const struct {
    std::string name, value, takes;
  } refused[] = {
      {"--passes", "1e1", passes},
      {"--passes", "2.5", passes},
      {"--passes", "-2.5", passes},
      {"--passes", "3 passes", passes},
      {"--passes", beyond_the_field, passes},
      {"--user-rate", "4X", rate},
      {"--user-rate", "300.5", rate},
      {"--user-rate", "$12G", rate},
  };
  CliOptions o;
  for (const auto& c : refused) {
    EXPECT_EQ(Parse({c.name + "=" + c.value}, &o),
              c.name + " \"" + c.value + "\" is not a whole number; it takes " + c.takes);
  }
  for (const std::string& value :
       {std::string("3"), std::string(" 3 "), std::string("+3"), std::string("-3"),
        std::string("$A"), std::string("x"), std::string("0.5"), std::string(""),
        std::string(23, ' ') + "1", std::string(24, '9')}) {
    ASSERT_EQ(Parse({"--passes", value, "--user-rate", value}, &o), std::nullopt) << value;
    EXPECT_EQ(o.settings.PassEdit, value);
    EXPECT_EQ(o.settings.userval, value);
  }
}

TEST(CliOptionsTest, AllSelectsEveryTestButTheUserRate) {
  CliOptions o;
  ASSERT_EQ(Parse({"--tests", "all"}, &o), std::nullopt);
  EXPECT_TRUE(o.settings.read2 && o.settings.seekrand && o.settings.cpu8x);
  EXPECT_FALSE(o.settings.cpuuser);
}

TEST(CliOptionsTest, Mistakes) {
  CliOptions o;
  EXPECT_EQ(Parse({"--tests", "read16,read4"}, &o), "unknown test in --tests: \"read4\"");
  EXPECT_EQ(Parse({"--tests", ""}, &o), "--tests needs at least one test name");
  EXPECT_EQ(Parse({"--passes"}, &o), "--passes needs a value");
  EXPECT_EQ(Parse({"--frobnicate"}, &o), "unknown argument: --frobnicate");
  EXPECT_EQ(Parse({"--quiet", "NET"}, &o), "NET must be the first argument");
  EXPECT_EQ(Parse({"net"}, &o), "unknown argument: net");
  EXPECT_EQ(Parse({"--simulate", "8x-clv", "--drive", "/x"}, &o),
            "--simulate and --drive cannot be used together");
  // Without a curve the whole disc gets the access tests, which take the JSON and a speed but
  // none of the benchmark's own options.
  EXPECT_EQ(Parse({"--whole-disc", "--passes", "2"}, &o),
            "--whole-disc runs the access tests on the disc in the drive; --passes belongs to the "
            "benchmark");
  ASSERT_EQ(Parse({"--whole-disc", "--json", "-", "--speed", "2.4"}, &o), std::nullopt);
  EXPECT_EQ(o.speed->x, 2.4);
  for (const char* speed : {"0", "-4", "fast", "4x", "1001", ""}) {
    EXPECT_EQ(Parse({"--speed", speed}, &o),
              "--speed is a speed in X (above 0, at most 1000) or "
              "max, not \"" +
                  std::string(speed) + "\"");
  }
  ASSERT_EQ(Parse({"--curve", "c.csv", "--speed=max"}, &o), std::nullopt);
  EXPECT_FALSE(o.speed->x);
  EXPECT_EQ(Parse({"--curve", "c.csv", "--device", "/dev/sr1"}, &o),
            "--device goes with --whole-disc");
  const std::string not_the_test_file =
      "--whole-disc reads the disc in a drive; NET and --drive look for the test file";
  EXPECT_EQ(Parse({"--curve", "c.csv", "--whole-disc", "--drive", "/x"}, &o), not_the_test_file);
  EXPECT_EQ(Parse({"NET", "--curve", "c.csv", "--whole-disc"}, &o), not_the_test_file);
  EXPECT_EQ(Parse({"--whole-disc=yes"}, &o), "--whole-disc takes no value");
  ASSERT_EQ(Parse({"--curve", "c.csv", "--whole-disc", "--device=/dev/sr1"}, &o), std::nullopt);
  EXPECT_TRUE(o.whole_disc);
  EXPECT_EQ(o.device, "/dev/sr1");
}

}  // namespace
}  // namespace vantric
