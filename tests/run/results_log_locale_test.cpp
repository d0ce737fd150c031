#include <gtest/gtest.h>

#include "platform/native.h"
#include "run/results_log.h"
#include "run_rig.h"

namespace vantric::testing {
namespace {

TEST(LogFileLocaleTest, TimesUseTheLocaleTimeFormat) {
  ScriptedRunRig rig;
  try {
    NativeSystem system({}, "en_US.UTF-8");
    TestResults results;
    results.StartTime = {.year = 1997, .month = 5, .day = 2, .hour = 14, .minute = 9, .second = 30};
    results.EndTime = {.year = 1997, .month = 5, .day = 2, .hour = 14, .minute = 21, .second = 5};
    FakeUserInformation user;
    TestSettings settings;
    Engine engine{Platform{rig.clock, rig.drives, rig.registry, system, rig.pump}};
    const ReportContent content = GatherReportContent(engine, settings, results, user);
    const std::vector<std::string> lines = ResultsLogLines(content);
    if (lines[3] == "Test Started: 14:09:30" || lines[3].empty())
      GTEST_SKIP() << "en_US locale not installed";
    EXPECT_EQ(lines[3], "Test Started: 02:09:30 PM");
    EXPECT_EQ(lines[4], "Test Ended: 02:21:05 PM");
  } catch (const std::exception& error) {
    GTEST_SKIP() << error.what();
  }
}

}  // namespace
}  // namespace vantric::testing
