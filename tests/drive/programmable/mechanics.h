#pragma once

#include <cstdint>

#include "drive_description.h"
#include "sim/drive_model.h"

namespace vantric::programmable {

// The moving parts: the spindle at the speed the host chose, and the head and read-ahead buffer
// of the simulator's drive model, run on the guest's real clock. A read's time follows from
// where the drive's own reading stands: it goes on filling the buffer while the host is away,
// so a reply sent late is made up by the next one, and the rate holds on a busy machine as long
// as the buffer does not run full.
class Mechanics {
 public:
  Mechanics(const DriveDescription& drive, Profile medium);

  // The X it spins at and the speeds it accepts on this medium, in the medium's own X.
  double SpeedX() const { return speed_x_; }
  const std::vector<double>& Speeds() const { return drive_.Speeds(medium_); }
  // kB/s (1000 bytes) of 1X on the medium, as SET CD SPEED and the capabilities page count.
  double OneXKilobytesPerSecond() const;
  // A requested read speed in kB/s (0xFFFF: the fastest) set to the nearest speed the drive
  // accepts, the slower of two as near.
  void SelectSpeed(uint32_t kilobytes_per_second);
  // The speed at a sector, in X: the set speed for CLV, growing outwards for CAV.
  double SpeedXAt(int64_t lba) const;

  // Each returns how long the drive takes from `now`, in seconds.
  double Read(double now, int64_t lba, int32_t count);
  double SpinUp(double now);
  double SpinDown(double now);
  // Spun up, or spinning up until `ready_at`.
  bool Spinning(double now) const;
  bool BecomingReady(double now) const { return Spinning(now) && now < ready_at_; }

  // The simulator's model of the head and buffer at the speed set now; the tests predict the
  // drive's times from it.
  DriveParameters Parameters() const;

 private:
  const DriveDescription& drive_;
  Profile medium_;
  double speed_x_;
  DriveModel model_;
  bool spinning_ = true;
  double ready_at_ = 0;
  double last_busy_ = 0;
};

}  // namespace vantric::programmable
