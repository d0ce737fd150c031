#include "run/test_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/test_positions.h"
#include "run_rig.h"

namespace vantric::testing {
namespace {

// How far each test reads decides whether a short test file is warned of, so it must be what
// the test really reads; and a full test disc must hold all of it, no more.
TEST(TestCatalogueTest, EachTestReadsUpToItsLastSectorAndAFullDiscHoldsThemAll) {
  int64_t farthest = 0;
  for (const CatalogueTest& test : kTestCatalogue) {
    ScriptedRunRig rig;
    ASSERT_TRUE(rig.engine.StartCounter());
    const TestCall call = CallFor(test, "1000");
    rig.engine.RunTest(call);
    int64_t last = 0;
    for (const ScriptedRead& read : rig.file->Reads()) {
      last = std::max(last, read.first_sector + read.sector_count - 1);
    }
    EXPECT_EQ(last, LastSectorRead(call)) << test.field_name;
    farthest = std::max(farthest, last);
  }
  EXPECT_EQ((farthest + 1) * SECTOR_SIZE, kFullTestFileBytes);

  TestSettings all;
  all.cpuuser = true;
  all.userval = "1000";
  EXPECT_EQ(TestFileBytesRead(all), kFullTestFileBytes);
  EXPECT_EQ(TestFileBytesRead(NoTests()), (kWarmUpLastSector + 1) * int64_t{SECTOR_SIZE});
  TestSettings bursts = NoTests();
  bursts.burst16k = true;
  EXPECT_EQ(TestFileBytesRead(bursts), (kWarmUpLastSector + 1) * int64_t{SECTOR_SIZE});
}

}  // namespace
}  // namespace vantric::testing
