#include <gtest/gtest.h>

#include "engine_rig.h"

namespace vantric::testing {
namespace {

using Sectors = std::vector<int64_t>;

TEST(SectorAccessTest, PositionedThenSequentialReadsFollowOn) {
  EngineRig rig;
  EXPECT_TRUE(rig.engine.ReadSectorAt(0));
  EXPECT_TRUE(rig.engine.ReadSequential(8));
  EXPECT_EQ(rig.SectorsRead(), (Sectors{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(SectorAccessTest, ReadOrSkipOfNothingReadsNothingAndKeepsThePosition) {
  EngineRig rig;
  rig.engine.ReadSectorAt(10);
  EXPECT_TRUE(rig.engine.ReadOrSkip(0));
  EXPECT_TRUE(rig.engine.ReadOrSkip(1));
  EXPECT_EQ(rig.SectorsRead(), (Sectors{10, 11}));
}

TEST(SectorAccessTest, SeekToStartReadsSectorZero) {
  EngineRig rig;
  rig.engine.SeekToStart();
  EXPECT_EQ(rig.SectorsRead(), (Sectors{0}));
}

TEST(SectorAccessTest, BadPositionsAndCountsFailWithoutHarm) {
  EngineRig rig;
  EXPECT_FALSE(rig.engine.ReadSequential(17)) << "larger than the sector buffer";
  EXPECT_FALSE(rig.engine.ReadSequential(0));
  EXPECT_FALSE(rig.engine.FirstReadFailure().failed) << "refused before reaching the drive";
  EXPECT_TRUE(rig.engine.ReadSectorAt(299'556));
  EXPECT_FALSE(rig.engine.ReadSectorAt(-1));
}

// The first failure is what the user is told about; reads after it would only time a drive
// that no longer answers, so they stop reaching it until the record is cleared.
TEST(SectorAccessTest, FirstFailedReadIsKeptAndLaterReadsDoNotReachTheDrive) {
  EngineRig rig;
  ASSERT_TRUE(rig.engine.ReadSectorAt(299'550));
  EXPECT_TRUE(rig.engine.ReadSequential(6));
  EXPECT_FALSE(rig.engine.ReadSequential(2)) << "crosses the end of the test file";
  const size_t reads = rig.file->Reads().size();
  EXPECT_FALSE(rig.engine.ReadSectorAt(100));
  EXPECT_FALSE(rig.engine.ReadSequential(1));
  EXPECT_EQ(rig.file->Reads().size(), reads);

  EXPECT_TRUE(rig.engine.StopRequested());
  EXPECT_EQ(rig.engine.FirstReadFailure().sector, 299'557);
  EXPECT_EQ(rig.engine.ReadFailureMessage(),
            "Error reading the test disc at sector 299557: the read returned fewer bytes than "
            "asked for.");

  rig.engine.ClearReadFailure();
  EXPECT_TRUE(rig.engine.ReadSectorAt(100));
  EXPECT_FALSE(rig.engine.StopRequested());
}

TEST(SectorAccessTest, ReadsFailWhenNoFileIsOpen) {
  EngineRig rig;
  rig.drives.SetDriveType('D', DRIVE_NO_ROOT_DIR);
  rig.engine.ScanDrives();
  ASSERT_EQ(rig.engine.FindTestDisc(), NoDisc);
  EXPECT_FALSE(rig.engine.ReadSectorAt(0));
  EXPECT_FALSE(rig.engine.ReadSequential(1));
}

}  // namespace
}  // namespace vantric::testing
