// model-figures MODEL SECTORS: what the access tests should measure on the programmable drive
// of MODEL holding a CD of SECTORS sectors, at its fastest speed, worked out from the model's
// mechanics alone. One "name value" line each, times in ms, rates in KB/s; the access times
// leave out the seek overhead, as the tests do, so that the host's time per command drops out.
#include <iostream>
#include <string>

#include "curve/disc_access.h"
#include "drive_prediction.h"
#include "engine/disc_places.h"
#include "mechanics.h"
#include "tool_main.h"

namespace {

using vantric::DiscPlaces;
using vantric::programmable::DriveDescription;
using vantric::programmable::Mechanics;
using vantric::programmable::Profile;
using vantric::testing::DrivePrediction;

int Run(int argc, char** argv) {
  if (argc != 3) throw std::runtime_error("usage: model-figures MODEL SECTORS");
  const DriveDescription drive = DriveDescription::Load(argv[1]);
  const int64_t sectors = std::stoll(argv[2]);
  const Mechanics mechanics(drive, Profile::kCdRom);
  const DrivePrediction predict(mechanics.Parameters(), 0);
  const DiscPlaces at = vantric::PlacesOnDisc(sectors);
  double overhead = 0;
  for (int i = 1; i <= 8; ++i) {
    overhead += predict.SeekOverheadMs(at.overhead_back + 1 + at.overhead_stride * i) / 8;
  }
  std::cout << "seek_overhead_ms " << overhead << '\n'
            << "full_stroke_ms "
            << predict.StrokeSeconds(at.full_near, at.full_far) * 1000 - overhead << '\n'
            << "third_stroke_ms "
            << predict.StrokeSeconds(at.third_near, at.third_far) * 1000 - overhead << '\n'
            << "random_access_ms "
            << predict.RandomSeconds(vantric::RandomAccessPositions(sectors)) * 1000 - overhead
            << '\n'
            << "spin_up_ms "
            << (drive.spin_up_seconds +
                predict.AccessSeconds(vantric::kSpinUpSector, vantric::kSpinUpSector)) *
                   1000
            << '\n'
            << "spin_down_ms " << drive.spin_down_seconds * 1000 << '\n';
  for (int block : {1, 4, 8}) {
    std::cout << "burst_" << 2 * block << "k_kbps "
              << predict.BurstKbps(block, at.burst_first + 8 * at.burst_stride) << '\n';
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return vantric::programmable::ToolMain("model-figures", Run, argc, argv);
}
