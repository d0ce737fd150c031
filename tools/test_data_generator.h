#pragma once

#include <cstddef>
#include <cstdint>

namespace vantric {

// Incompressible, reproducible bytes for the test file: xoshiro256** seeded through splitmix64.
// Fast enough that writing, not generating, sets the pace.
class TestDataGenerator {
 public:
  explicit TestDataGenerator(uint64_t seed);

  uint64_t Next();
  // Fills `words` 64-bit words; the bytes are the words in the machine's order.
  void Fill(uint64_t* words, size_t count);

 private:
  uint64_t state_[4];
};

}  // namespace vantric
