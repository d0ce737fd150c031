#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "drive/spin_up.h"
#include "engine/engine.h"
#include "run/test_catalogue.h"

namespace vantric {

class Mmc;

// One of the access and burst tests on a whole disc, in the order they run, with its label
// and its JSON key (the run's own key where the benchmark has the same test).
struct DiscAccessTest {
  DiscTestCall call;
  const char* label;
  const char* field_name;
  ValueUnit unit;
};
std::span<const DiscAccessTest> DiscAccessTests();

// The tests' values, one for each of DiscAccessTests(); the seek overhead, measured first, is
// what the access times leave out, as in a run.
struct DiscAccessResults : Baselines {
  std::vector<double> values;
  SpinTimes spin;  // both unknown, with the reason, when the drive takes no commands
};

enum class DiscAccessOutcome { kCompleted, kCancelled, kReadFailed, kNoCounter };

// Runs every test on the whole disc the engine holds (UseDisc), `disc_sectors` long, then the
// spin-up through the drive's commands (`mmc`; nullptr: the drive takes none, and
// `no_commands` says why). A cancel or a failed read ends it at once.
DiscAccessOutcome RunDiscAccessTests(Engine& engine, int64_t disc_sectors, Mmc* mmc,
                                     const std::string& no_commands, DiscAccessResults* results);

// The sector the spin-up reads: the disc's first, which none of the tests reads, so that the
// drive's buffer does not hold it.
inline constexpr int64_t kSpinUpSector = 0;

}  // namespace vantric
