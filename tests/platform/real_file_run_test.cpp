// Every engine test once on a real test file on this machine's disk: real time, real reads.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "engine/test_positions.h"
#include "fake_machine.h"
#include "fakes.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_registry.h"
#include "temp_dir.h"
#include "test_file_writer.h"

namespace vantric {
namespace {

using testing::TempDir;

struct Rig {
  Rig(const std::string& drive_directory, const SystemPaths& paths)
      : drives({drive_directory}, paths), engine(Platform{clock, drives, registry, system, pump}) {
    engine.UseBaselines(baselines);
    engine.StartCounter();
    engine.ScanDrives();
  }

  LinuxClock clock;
  LinuxDrives drives;
  LinuxRegistry registry;
  testing::FakeSystem system;
  testing::ScriptedPump pump;
  Baselines baselines;
  Engine engine;
};

// The arguments the run driver passes.
constexpr int32_t k16kPositions[] = {kRead16kInsideSector, kRead16kCenterSector,
                                     kRead16kOutsideSector};
constexpr int32_t k2kPositions[] = {kRead2kInsideSector, kRead2kCenterSector, kRead2kOutsideSector};
constexpr int32_t kBurstBlocks[] = {1, 4, 8};

class RealFileRunTest : public ::testing::Test {
 protected:
  std::string MakeDisc(const std::string& name, int64_t size) {
    TestFileOptions options;
    options.size = size;
    const TestFileOutcome outcome = WriteTestFile(dir_ / name, options);
    EXPECT_TRUE(outcome.ok) << outcome.message;
    return dir_ / name;
  }
  TempDir dir_;
  testing::FakeMachine machine_{dir_ / "machine"};  // only the --drive folder, whatever is mounted
};

TEST_F(RealFileRunTest, EveryTestGivesAFiniteValueOnAFullSizeFile) {
  Rig rig(MakeDisc("disc", kTestFileBytes), machine_.paths());
  Engine& engine = rig.engine;
  ASSERT_EQ(engine.CandidateDrives, std::vector<std::string>{"D:"});
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  ASSERT_EQ(engine.TestFile()->Size(), kTestFileBytes);
  std::printf("read mode: %s %s\n", std::string(ReadModeName(engine.TestFile()->Mode())).c_str(),
              rig.drives.LastOpenNote().c_str());
  EXPECT_NE(engine.TestFile()->Mode(), ReadMode::kSimulated);

  engine.SeekToStart();
  EXPECT_TRUE(engine.ReadSequential(8));
  EXPECT_TRUE(engine.ReadSectorAt(299556)) << "the highest sector any test reads";
  // The engine reads nothing after a failed read until it is cleared, as a new run does.
  EXPECT_FALSE(engine.ReadSectorAt(299557));
  EXPECT_EQ(engine.FirstReadFailure().error, kShortRead);
  engine.ClearReadFailure();
  EXPECT_FALSE(engine.ReadSectorAt(-1));
  engine.ClearReadFailure();

  auto expect_finite = [](const char* name, double value) {
    std::printf("%-20s %.3f\n", name, value);
    EXPECT_TRUE(std::isfinite(value)) << name << " = " << value;
  };
  for (const int32_t sector : k16kPositions) {
    const double rate = engine.RunRead16kTest(sector);
    expect_finite("read 16k", rate);
    EXPECT_GT(rate, 0);
  }
  for (const int32_t sector : k2kPositions) {
    const double rate = engine.RunRead2kTest(sector);
    expect_finite("read 2k", rate);
    EXPECT_GT(rate, 0);
  }
  rig.baselines.SeekOverhead = engine.RunSeekOverheadTest();
  expect_finite("seek overhead", rig.baselines.SeekOverhead);
  EXPECT_GT(rig.baselines.SeekOverhead, 0);
  expect_finite("full stroke", engine.RunFullStrokeTest());
  expect_finite("random access", engine.RunRandomAccessTest());

  rig.baselines.CpuCalibration = engine.RunCpuTest(8, 300, false);
  expect_finite("cpu calibration", rig.baselines.CpuCalibration);
  EXPECT_GT(rig.baselines.CpuCalibration, 0);
  for (const int32_t rate : {150, 900}) {
    const double usage = engine.RunCpuTest(8, rate, true);
    expect_finite("cpu usage", usage);
    EXPECT_GE(usage, 1.0);
    EXPECT_LE(usage, 100.0);
  }
  for (const int32_t block : kBurstBlocks) {
    const double rate = engine.RunBurstTest(block);
    expect_finite("burst", rate);
    EXPECT_GT(rate, 0);
  }
  EXPECT_FALSE(engine.CancelRequested);
}

TEST_F(RealFileRunTest, ShortFileFailsReadsBeyondItsEndAndEveryTestReturns) {
  Rig rig(MakeDisc("small", 1 << 20), machine_.paths());
  Engine& engine = rig.engine;
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_TRUE(engine.ReadSectorAt(511));
  EXPECT_FALSE(engine.ReadSectorAt(512));
  engine.ClearReadFailure();
  EXPECT_FALSE(engine.ReadSectorAt(kRead16kCenterSector));
  engine.ClearReadFailure();
  EXPECT_TRUE(engine.ReadSectorAt(504));
  EXPECT_FALSE(engine.ReadSequential(16)) << "crosses the end";
  engine.ClearReadFailure();

  std::vector<double> values;
  for (const int32_t sector : k16kPositions) values.push_back(engine.RunRead16kTest(sector));
  for (const int32_t sector : k2kPositions) values.push_back(engine.RunRead2kTest(sector));
  values.push_back(engine.RunSeekOverheadTest());
  values.push_back(engine.RunFullStrokeTest());
  values.push_back(engine.RunRandomAccessTest());
  values.push_back(engine.RunCpuTest(8, 900, true));
  for (const int32_t block : kBurstBlocks) values.push_back(engine.RunBurstTest(block));
  for (const double value : values) EXPECT_FALSE(std::isnan(value));
  EXPECT_EQ(values.size(), 13u);
}

}  // namespace
}  // namespace vantric
