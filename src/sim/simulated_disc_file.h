#pragma once

#include <cstdint>

#include "platform/disc_file.h"
#include "sim/drive_model.h"
#include "sim/virtual_clock.h"

namespace vantric {

// The test file on a simulated drive: every read advances the virtual clock by the time the
// drive model takes for it. The drive outlives the file, as a real drive outlives an open
// handle, so what it has read ahead survives a reopen.
class SimulatedDiscFile : public DiscFile {
 public:
  SimulatedDiscFile(VirtualClock& clock, DriveModel& drive, int64_t size_bytes)
      : clock_(clock), drive_(drive), size_(size_bytes) {}

  bool Seek(int64_t byte_offset) override;
  // Reads that unbuffered I/O would refuse (no valid position, misaligned, past the end of
  // the file) fail after the host's overhead without reaching the drive.
  bool Read(void* buffer, uint32_t byte_count) override;
  ReadMode Mode() const override { return ReadMode::kSimulated; }
  int64_t Size() const override { return size_; }

 private:
  bool Accepts(const void* buffer, uint32_t byte_count) const;

  VirtualClock& clock_;
  DriveModel& drive_;
  int64_t size_;
  int64_t position_ = 0;  // -1: no valid position after a failed seek
};

}  // namespace vantric
