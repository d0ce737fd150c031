// Every read must reach the drive straight into the sector buffer: none may allocate, or the
// timed stretches would measure the allocator too.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "counting_new.h"
#include "engine/engine.h"
#include "fakes.h"
#include "sim/simulation.h"

namespace vantric::testing {
namespace {

TEST(ReadAllocationTest, EngineReadsAllocateNothing) {
  {
    const long before = AllocationCount();
    const std::vector<int> probe(100);
    EXPECT_NE(probe.data(), nullptr);
    EXPECT_GT(AllocationCount() - before, 0) << "the counter must see an allocation";
  }
  std::string error;
  std::unique_ptr<Simulation> simulation = MakeSimulation("8x-clv", &error);
  ASSERT_TRUE(simulation) << error;
  FakeRegistry registry;
  FakeSystem system;
  ScriptedPump pump;
  Engine engine(Platform{simulation->clock(), simulation->drives(), registry, system, pump});
  engine.ScanDrives();
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened);

  const long before = AllocationCount();
  for (int32_t sector : {0, 150'000, 299'556, 299'557, -1}) {
    engine.ReadSectorAt(sector);
    engine.ReadSequential(8);
    engine.ReadOrSkip(0);
    engine.ReadOrSkip(16);
  }
  engine.SeekToStart();
  EXPECT_EQ(AllocationCount() - before, 0);
}

}  // namespace
}  // namespace vantric::testing
