#include "sim/simulated_disc_file.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "counting_new.h"
#include "disc_file_contract.h"

namespace vantric {
namespace {

constexpr int64_t kFileBytes = 1000 * 2048;

DriveParameters QuickDrive() {
  DriveParameters drive;
  drive.nominal_x = 8;
  drive.settle_ms = 30;
  drive.full_stroke_ms = 100;
  drive.command_overhead_ms = 0.5;
  drive.buffer_sectors = 64;
  drive.interface_kbps = 8000;
  return drive;
}

class SimulatedDiscFileTest : public ::testing::Test {
 protected:
  // Reads and returns the virtual time the read took, in ms.
  double TimedRead(uint32_t bytes, bool* ok) {
    const int64_t before = clock_.Now();
    *ok = file_.Read(buffer_.data(), bytes);
    return clock_.SecondsForCounts(clock_.Now() - before) * 1000;
  }

  VirtualClock clock_{VirtualClock::kDefaultFrequency, 1000};
  DriveModel drive_{QuickDrive()};
  DriveFaults faults_;
  SimulatedDiscFile file_{clock_, drive_, kFileBytes, faults_};
  alignas(4096) std::array<char, 32768> buffer_{};
};

TEST_F(SimulatedDiscFileTest, KeepsTheContractOfTheRealDiscFiles) {
  // It holds no bytes: what is checked is which reads succeed, and why the others fail.
  testing::ExpectDiscFileContract(file_, kFileBytes, nullptr);
}

TEST_F(SimulatedDiscFileTest, NegativeSeekFailsAndSoDoesTheNextRead) {
  EXPECT_FALSE(file_.Seek(-2048));
  bool ok = true;
  EXPECT_NEAR(TimedRead(2048, &ok), 0.5, 1e-6);  // the overhead only
  EXPECT_FALSE(ok);
  // Still no position: a read without a seek fails again.
  TimedRead(2048, &ok);
  EXPECT_FALSE(ok);
  ASSERT_TRUE(file_.Seek(0));
  TimedRead(2048, &ok);
  EXPECT_TRUE(ok);
}

TEST_F(SimulatedDiscFileTest, ReadsBeyondTheEndFailQuicklyAndLeaveTheStreamAlone) {
  bool ok = false;
  ASSERT_TRUE(file_.Seek(998 * 2048));
  TimedRead(2048, &ok);  // sector 998
  EXPECT_TRUE(ok);
  // Two sectors from 999 would end past the file: refused after the overhead alone.
  EXPECT_NEAR(TimedRead(2 * 2048, &ok), 0.5, 1e-6);
  EXPECT_FALSE(ok);
  // The refused read neither moved the position nor disturbed the drive: sector 999 follows
  // on without a seek.
  EXPECT_LT(TimedRead(2048, &ok), 2.0);
  EXPECT_TRUE(ok);
  // At the very end, and far beyond it (no overflow), nothing more can be read.
  EXPECT_NEAR(TimedRead(2048, &ok), 0.5, 1e-6);
  EXPECT_FALSE(ok);
  ASSERT_TRUE(file_.Seek(std::numeric_limits<int64_t>::max() - 2047));
  TimedRead(2048, &ok);
  EXPECT_FALSE(ok);
}

TEST_F(SimulatedDiscFileTest, RefusesWhatUnbufferedReadingRefuses) {
  bool ok = true;
  ASSERT_TRUE(file_.Seek(1000));  // not on a sector boundary
  TimedRead(2048, &ok);
  EXPECT_FALSE(ok);
  ASSERT_TRUE(file_.Seek(2048));
  TimedRead(1000, &ok);  // not a whole sector
  EXPECT_FALSE(ok);
  EXPECT_FALSE(file_.Read(nullptr, 2048));
  EXPECT_TRUE(file_.Read(buffer_.data(), 0));
}

TEST_F(SimulatedDiscFileTest, ReadingAllocatesNothing) {
  ASSERT_TRUE(file_.Seek(10 * 2048));
  const long before = testing::AllocationCount();
  for (int i = 0; i < 50; ++i) file_.Read(buffer_.data(), 16 * 2048);
  file_.Seek(-1);
  file_.Read(buffer_.data(), 2048);
  EXPECT_EQ(testing::AllocationCount() - before, 0);
}

}  // namespace
}  // namespace vantric
