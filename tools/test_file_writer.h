#pragma once

#include <cstdint>
#include <string>

#include "engine/test_positions.h"
#include "platform/files.h"

namespace vantric {

// The size every position the tests read needs: 299,557 sectors of 2048 bytes.
inline constexpr int64_t kTestFileBytes = kFullTestFileBytes;
inline constexpr uint64_t kDefaultTestFileSeed = 0x56414e5452494321ull;

struct TestFileOptions {
  int64_t size = kTestFileBytes;
  uint64_t seed = kDefaultTestFileSeed;
  bool force = false;  // write even when a file of the right size is there
  // Tests make writing fail part way.
  ReplacementFile::WriteCall write = nullptr;
};

struct TestFileOutcome {
  bool ok = false;
  bool already_there = false;  // nothing was written
  std::string path;            // DIR/DATA/VANTRIC.DAT
  std::string message;         // one line for the user: what was done, or what went wrong
};

// Writes DIR/DATA/VANTRIC.DAT through a temporary file in DATA that is synced and renamed into
// place, so a failure leaves no partial test file (and any earlier one untouched).
TestFileOutcome WriteTestFile(const std::string& directory, const TestFileOptions& options);

}  // namespace vantric
