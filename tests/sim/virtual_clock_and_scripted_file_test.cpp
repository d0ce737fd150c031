#include <gtest/gtest.h>

#include "sim/scripted_disc_file.h"
#include "sim/virtual_clock.h"

namespace vantric {
namespace {

TEST(VirtualClock, EachReadingCostsThePollTimeAndSleepsAdvanceExactly) {
  VirtualClock clock(1'193'182, 3);
  EXPECT_EQ(clock.Counter(), 0);
  EXPECT_EQ(clock.Counter(), 3);
  clock.Sleep(1000);
  EXPECT_EQ(clock.Now(), 6 + 1'193'182);
  clock.Sleep(0);
  EXPECT_EQ(clock.Now(), 6 + 1'193'182);
  // Rounded to the nearest count, halves to the even one.
  EXPECT_EQ(VirtualClock(2).CountsForSeconds(1.25), 2);
  EXPECT_EQ(VirtualClock(2).CountsForSeconds(1.75), 4);
}

TEST(ScriptedDiscFile, FailedSeekLeavesNoPositionUntilTheNextGoodOne) {
  VirtualClock clock;
  ScriptedDiscFile file(clock, 10 * 2048, [](const ScriptedRead&) { return 7; });
  char buffer[4096];
  EXPECT_FALSE(file.Seek(-1));
  EXPECT_FALSE(file.Read(buffer, 2048));
  EXPECT_FALSE(file.Read(buffer, 2048));
  ASSERT_TRUE(file.Seek(9 * 2048));
  EXPECT_TRUE(file.Read(buffer, 2048));
  EXPECT_FALSE(file.Read(buffer, 2048));  // past the end
  ASSERT_EQ(file.Reads().size(), 4u);
  EXPECT_EQ(file.Reads()[0].first_sector, -1);
  EXPECT_EQ(file.Reads()[2].first_sector, 9);
  EXPECT_EQ(file.Reads()[3].started_at, 21);  // every read took its scripted time
}

}  // namespace
}  // namespace vantric
