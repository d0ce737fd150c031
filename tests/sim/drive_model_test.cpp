#include "sim/drive_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantric {
namespace {

// A plain CLV drive with round numbers: 4X (300 sectors/s), 16-sector buffer, 1000 KB/s
// interface (500 sectors/s), 1 ms overhead, 10 ms latency, settle 20 ms, full stroke 120 ms.
DriveParameters RoundDrive() {
  DriveParameters drive;
  drive.nominal_x = 4;
  drive.settle_ms = 20;
  drive.full_stroke_ms = 120;
  drive.rotational_latency_ms = 10;
  drive.command_overhead_ms = 1;
  drive.buffer_sectors = 16;
  drive.interface_kbps = 1000;
  return drive;
}

TEST(DriveModel, SeekGrowsWithTheSquareRootOfTheDistance) {
  const DriveModel drive(RoundDrive());
  EXPECT_DOUBLE_EQ(drive.SeekSeconds(1000, 1000), 0.020);
  EXPECT_DOUBLE_EQ(drive.SeekSeconds(0, 333000), 0.120);
  EXPECT_DOUBLE_EQ(drive.SeekSeconds(333000, 0), 0.120);
  // A quarter of the band, by radius, costs half the travel time.
  const double quarter = (std::pow(25 + 33 / 4.0, 2) - 25.0 * 25) / (58.0 * 58 - 25.0 * 25);
  EXPECT_NEAR(drive.SeekSeconds(0, quarter * 333000), 0.070, 1e-9);
  // Past the band is no further than its edge.
  EXPECT_DOUBLE_EQ(drive.SeekSeconds(0, 1e9), 0.120);
}

TEST(DriveModel, BufferFillsWhileIdleStopsWhenFullAndDeliversAtTheInterfaceRate) {
  DriveModel drive(RoundDrive());
  double now = drive.Read(0, 5000, 1);
  EXPECT_DOUBLE_EQ(drive.BufferedSectors(), 0);
  now += 10;  // far longer than filling 16 sectors takes
  // Only the overhead and the interface: 8 sectors at 500 sectors/s.
  EXPECT_NEAR(drive.Read(now, 5001, 8), 0.001 + 8 / 500.0, 1e-12);
  // 16 were buffered (not 3000); 8 are left, plus what the media read during the transfer.
  EXPECT_NEAR(drive.BufferedSectors(), 8 + 300 * (8 / 500.0), 1e-9);
}

TEST(DriveModel, BufferedSectorFurtherOnIsServedWithoutSeeking) {
  DriveModel drive(RoundDrive());
  double now = drive.Read(0, 5000, 1) + 10;
  // Sector 5010 is in the buffer: skipping to it costs no seek.
  const double skip = drive.Read(now, 5010, 1);
  EXPECT_NEAR(skip, 0.001 + 1 / 500.0, 1e-12);
  now += skip + 10;
  // Going back to a sector already delivered needs the head to move.
  EXPECT_NEAR(drive.Read(now, 5005, 1), 0.001 + drive.SeekSeconds(5027, 5005) + 0.010 + 1 / 300.0,
              1e-12);
}

TEST(DriveModel, ReadingAheadStopsAtTheEndOfTheDisc) {
  DriveModel drive(RoundDrive());
  const double now = drive.Read(0, 332990, 4) + 10;
  drive.Read(now, 332994, 1);
  EXPECT_LE(drive.BufferedSectors(), 5);
}

}  // namespace
}  // namespace vantric
