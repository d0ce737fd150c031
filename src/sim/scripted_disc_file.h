#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/disc_file.h"
#include "sim/virtual_clock.h"

namespace vantric {

// One read as a scripted file saw it.
struct ScriptedRead {
  int64_t first_sector;  // -1 when the read had no valid position
  int32_t sector_count;
  int64_t started_at;  // virtual clock counts
};

// A test file whose every read takes exactly the time a script gives, on the virtual clock:
// the means of reproducing worked examples to the last digit. It remembers every read.
class ScriptedDiscFile : public DiscFile {
 public:
  // Counts a read takes; the default is 0.
  using Script = std::function<int64_t(const ScriptedRead&)>;

  ScriptedDiscFile(VirtualClock& clock, int64_t size_bytes, Script script = nullptr)
      : clock_(clock), size_(size_bytes), script_(std::move(script)) {}

  bool Seek(int64_t byte_offset) override;
  bool Read(void* buffer, uint32_t byte_count) override;
  int LastError() const override { return last_error_; }
  ReadMode Mode() const override { return ReadMode::kSimulated; }
  int64_t Size() const override { return size_; }

  void SetScript(Script script) { script_ = std::move(script); }
  const std::vector<ScriptedRead>& Reads() const { return reads_; }
  void ClearReads() { reads_.clear(); }

 private:
  VirtualClock& clock_;
  int64_t size_;
  Script script_;
  int64_t position_ = 0;  // -1: no valid position after a failed seek
  std::vector<ScriptedRead> reads_;
  int last_error_ = 0;
};

}  // namespace vantric
