#include <gtest/gtest.h>

#include "engine_rig.h"

namespace vantric::testing {
namespace {

TEST(TimingTest, PaceUntilZeroReadsTheCounterOnceMore) {
  EngineRig rig(1'000'000, 1);
  const int64_t before = rig.clock.Now();
  rig.engine.PaceUntil(0);
  EXPECT_EQ(rig.clock.Now() - before, 2);  // the start and one check
}

TEST(TimingTest, PaceUntilBusyWaitsTheWholeDurationWithoutYielding) {
  EngineRig rig(1'000'000, 7);
  const int64_t before = rig.clock.Now();
  rig.engine.PaceUntil(250);
  const int64_t waited = rig.clock.Now() - before;
  EXPECT_GE(waited, 250'000);
  EXPECT_LT(waited, 250'000 + 2 * 7);
  EXPECT_EQ(rig.pump.calls, 0);
}

TEST(TimingTest, YieldToUiProcessesMessages) {
  EngineRig rig;
  rig.engine.YieldToUI();
  rig.engine.YieldToUI();
  EXPECT_EQ(rig.pump.calls, 2);
}

struct SampleCase {
  std::array<double, 4> table;
  double expected;
};

class PickRepresentativeSampleTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(PickRepresentativeSampleTest, ReturnsTheSecondLargest) {
  EngineRig rig;
  rig.engine.SampleTable = GetParam().table;
  EXPECT_EQ(rig.engine.PickRepresentativeSample(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Tables, PickRepresentativeSampleTest,
                         ::testing::Values(SampleCase{{5, 5, 3, 1}, 5},
                                           SampleCase{{10, 40, 20, 30}, 30},
                                           SampleCase{{1, 2, 3, 4}, 3}, SampleCase{{4, 3, 2, 1}, 3},
                                           SampleCase{{7, 7, 7, 7}, 7}, SampleCase{{9, 1, 1, 1}, 1},
                                           SampleCase{{1, 9, 9, 1}, 9},
                                           SampleCase{{300, 310, 290, 305}, 305}));

}  // namespace
}  // namespace vantric::testing
