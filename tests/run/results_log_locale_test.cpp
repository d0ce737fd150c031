#include <gtest/gtest.h>
#include <locale.h>

#include "platform/native.h"
#include "run/results_log.h"
#include "run_rig.h"

namespace vantric::testing {
namespace {

// scripts/run-tests builds en_US.UTF-8 into LOCPATH; only a machine without it may skip.
TEST(LogFileLocaleTest, TimesUseTheLocaleTimeFormat) {
  const locale_t installed = newlocale(LC_TIME_MASK, "en_US.UTF-8", nullptr);
  if (installed == nullptr) GTEST_SKIP() << "en_US.UTF-8 is not installed";
  freelocale(installed);

  ScriptedRunRig rig;
  NativeSystem system({}, "en_US.UTF-8");
  TestResults results;
  results.StartTime = {.year = 1997, .month = 5, .day = 2, .hour = 14, .minute = 9, .second = 30};
  results.EndTime = {.year = 1997, .month = 5, .day = 2, .hour = 14, .minute = 21, .second = 5};
  FakeUserInformation user;
  TestSettings settings;
  Engine engine{Platform{rig.clock, rig.drives, rig.registry, system, rig.pump}};
  const std::vector<std::string> lines =
      ResultsLogLines(GatherReportContent(engine, settings, results, user));
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[3], "Test Started: 02:09:30 PM");
  EXPECT_EQ(lines[4], "Test Ended: 02:21:05 PM");
}

}  // namespace
}  // namespace vantric::testing
