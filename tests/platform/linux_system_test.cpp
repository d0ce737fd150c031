#include "platform/linux/linux_system.h"

#include <gtest/gtest.h>
#include <time.h>

#include <ctime>
#include <string>
#include <vector>

#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_registry.h"

namespace vantric {
namespace {

constexpr LocalTime kAfternoon{1997, 5, 5, 2, 14, 9, 30, 250};

TEST(LinuxSystem, AnswersAsTheNtFamily) {
  LinuxSystem system({"NET", "x"});
  EXPECT_EQ(system.GetVersion() & 0x80000000u, 0u);
  EXPECT_EQ(system.Arguments(), (std::vector<std::string>{"NET", "x"}));
  LinuxRegistry registry;
  int32_t value = 7;
  EXPECT_FALSE(registry.OpenKey("System\\CurrentControlSet\\Control\\FileSystem\\CDFS"));
  EXPECT_FALSE(registry.QueryValue("Prefetch", &value));
  EXPECT_EQ(value, 7);
}

// The system's own clock, read just before and just after: the local time must be one of the
// seconds between, field by field, so that a fixed date or a field off by one shows. time() may
// run on a coarser clock, a tick behind: one second more is allowed for that.
TEST(LinuxSystem, LocalTimeIsTheSystemsLocalTime) {
  const auto fields = [](const LocalTime& t) {
    return std::vector<int>{t.year, t.month, t.day, t.day_of_week, t.hour, t.minute, t.second};
  };
  const auto system_fields = [](time_t seconds) {
    tm parts{};
    localtime_r(&seconds, &parts);
    return std::vector<int>{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
                            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
  };
  LinuxSystem system({});
  const time_t before = std::time(nullptr);
  const LocalTime now = system.GetLocalTime();
  const time_t after = std::time(nullptr);
  std::string seen;
  bool matched = false;
  for (time_t second = before; second <= after + 1; ++second) {
    matched |= fields(now) == system_fields(second);
    seen += " " + ::testing::PrintToString(system_fields(second));
  }
  EXPECT_TRUE(matched) << ::testing::PrintToString(fields(now)) << " is none of" << seen;
  EXPECT_LE(now.millisecond, 999);
}

TEST(LinuxSystem, FormatsTimeInTheCLocale) {
  EXPECT_EQ(LinuxSystem({}, "C").FormatTime(kAfternoon), "14:09:30");
  // A locale that does not exist falls back to C rather than to nothing.
  EXPECT_EQ(LinuxSystem({}, "xx_NOWHERE.UTF-8").FormatTime(kAfternoon), "14:09:30");
}

TEST(LinuxSystem, FormatsTimeInOtherLocalesOwnFormats) {
  const std::pair<const char*, const char*> cases[] = {{"en_US.UTF-8", "02:09:30 PM"},
                                                       {"de_DE.UTF-8", "14:09:30"}};
  int tried = 0;
  for (const auto& [name, expected] : cases) {
    const locale_t installed = newlocale(LC_TIME_MASK, name, nullptr);
    if (installed == nullptr) continue;
    freelocale(installed);
    ++tried;
    EXPECT_EQ(LinuxSystem({}, name).FormatTime(kAfternoon), expected) << name;
  }
  if (tried == 0) GTEST_SKIP() << "neither en_US.UTF-8 nor de_DE.UTF-8 is installed";
}

TEST(LinuxClock, CountsNanosecondsAndSleeps) {
  LinuxClock clock;
  EXPECT_EQ(clock.Frequency(), 1'000'000'000);
  const int64_t start = clock.Counter();
  clock.Sleep(0);
  clock.Sleep(20);
  const int64_t elapsed = clock.Counter() - start;
  EXPECT_GE(elapsed, 20'000'000);
  EXPECT_LT(elapsed, 2'000'000'000);
}

}  // namespace
}  // namespace vantric
