#include "test_data_generator.h"

namespace vantric {
namespace {

uint64_t RotateLeft(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

uint64_t SplitMix64(uint64_t* state) {
  uint64_t z = (*state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

}  // namespace

TestDataGenerator::TestDataGenerator(uint64_t seed) {
  // splitmix64 never yields four zero words, the one state xoshiro cannot leave.
  for (uint64_t& word : state_) word = SplitMix64(&seed);
}

uint64_t TestDataGenerator::Next() {
  const uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

void TestDataGenerator::Fill(uint64_t* words, size_t count) {
  for (size_t i = 0; i < count; ++i) words[i] = Next();
}

}  // namespace vantric
