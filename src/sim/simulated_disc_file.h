#pragma once

#include <cstdint>

#include "platform/disc_file.h"
#include "sim/drive_faults.h"
#include "sim/drive_model.h"
#include "sim/virtual_clock.h"

namespace vantric {

// The test file on a simulated drive: every read advances the virtual clock by the time the
// drive model takes for it. The drive outlives the file, as a real drive outlives an open
// handle, so what it has read ahead survives a reopen.
class SimulatedDiscFile : public DiscFile {
 public:
  SimulatedDiscFile(VirtualClock& clock, DriveModel& drive, int64_t size_bytes,
                    const DriveFaults& faults)
      : clock_(clock), drive_(drive), size_(size_bytes), faults_(faults) {}

  bool Seek(int64_t byte_offset) override;
  // Reads that unbuffered I/O would refuse (no valid position, misaligned, past the end of
  // the file) fail after the host's overhead without reaching the drive, as do reads the
  // drive's faults rule out.
  bool Read(void* buffer, uint32_t byte_count) override;
  int LastError() const override { return last_error_; }
  ReadMode Mode() const override { return ReadMode::kSimulated; }
  int64_t Size() const override { return size_; }

 private:
  // 0 when the read can go to the drive, otherwise why it fails.
  int Refusal(const void* buffer, uint32_t byte_count) const;
  bool Fail(int error);

  VirtualClock& clock_;
  DriveModel& drive_;
  int64_t size_;
  const DriveFaults& faults_;
  int64_t position_ = 0;  // -1: no valid position after a failed seek
  int last_error_ = 0;
};

}  // namespace vantric
