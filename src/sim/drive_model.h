#pragma once

#include <cstdint>

#include "sim/drive_faults.h"
#include "sim/drive_parameters.h"

namespace vantric {

// The mechanics of one simulated drive: where a sector lies, how fast the media passes, how
// long a seek takes, and what a read command costs given what the drive has read ahead.
//
// The drive reads one stream: after a command it keeps reading the sectors that follow into
// its buffer at the media rate, also while the host is busy elsewhere, until the buffer is
// full. A command for a sector in that stream (the next one, or one already buffered) is
// served from it; any other sector costs a seek and the rotational latency, and empties the
// buffer. Buffered sectors cross the interface at its rate while the media keeps reading, so
// a transfer takes as long as the slower of the two.
class DriveModel {
 public:
  explicit DriveModel(const DriveParameters& parameters);

  const DriveParameters& parameters() const { return parameters_; }
  // Weak spots the media passes more slowly; the faults must outlive the model.
  void UseFaults(const DriveFaults* faults) { faults_ = faults; }

  // Radius of a sector, from the area that the sectors before it cover.
  double RadiusMm(double sector) const;
  // Sectors per second passing under the head at a sector.
  double MediaSectorsPerSecond(double sector) const;
  // Time to move the head between the tracks of two sectors, rotational latency excluded.
  double SeekSeconds(double from_sector, double to_sector) const;
  double OverheadSeconds() const { return parameters_.command_overhead_ms / 1000; }

  // Serves a read of `count` sectors from `first_sector` issued at `now` (seconds on the
  // virtual clock, never going back) and returns how long the command takes. Allocates nothing.
  double Read(double now, int64_t first_sector, int32_t count);

  // Sectors read ahead and not yet delivered, as of the last command.
  double BufferedSectors() const { return ahead_; }

 private:
  void ReadAheadUntil(double time);
  double BufferRoom(double cursor) const;
  double InterfaceSeconds(int32_t count) const;

  DriveParameters parameters_;
  const DriveFaults* faults_ = nullptr;
  bool positioned_ = false;  // the first command always seeks, from the inner edge
  int64_t cursor_ = 0;       // the next sector the stream delivers
  double ahead_ = 0;         // sectors from cursor_ on already in the buffer
  double media_time_ = 0;    // when ahead_ was last brought up to date
};

}  // namespace vantric
