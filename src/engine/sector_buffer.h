#pragma once

#include <cstddef>
#include <cstdint>

namespace vantric {

// The one buffer every read fills: 16 sectors, aligned for direct I/O, allocated once.
class SectorBuffer {
 public:
  static constexpr size_t kBytes = 16 * 2048;
  static constexpr size_t kAlignment = 4096;

  SectorBuffer();
  ~SectorBuffer();
  SectorBuffer(const SectorBuffer&) = delete;
  SectorBuffer& operator=(const SectorBuffer&) = delete;

  void* data() { return data_; }

 private:
  void* data_;
};

}  // namespace vantric
