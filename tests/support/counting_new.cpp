// Replaces the global operator new with one that counts. Kept out of the tests' own files so
// that the compiler cannot inline it into them and mistake its pairs for mismatched ones.
#include "counting_new.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vantric::testing {
long AllocationCount() { return allocations.load(); }
}  // namespace vantric::testing
