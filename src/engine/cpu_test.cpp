#include <limits>

#include "engine/engine.h"
#include "engine/rounding.h"
#include "engine/test_reach.h"

namespace vantric {
namespace {

constexpr int kTrials = 4;
constexpr double kSettleMilliseconds = 1500;
constexpr double kTrialMilliseconds = 2500;

// 290000 - 10 x rate, kept a (failing) negative sector when a huge rate would overflow.
int32_t CpuTestStartSector(int32_t rate) {
  const int64_t sector = 290000 - 10 * static_cast<int64_t>(rate);
  if (sector < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sector);
}

// The extra millisecond keeps the reads a little below the nominal rate.
double TickMilliseconds(int32_t block_size, int32_t rate) {
  return block_size * (1000.0 / rate) + 1;
}

int64_t TicksPerTrial(double tick) { return Round(kTrialMilliseconds / tick); }

}  // namespace

int64_t CpuTestLastSector(int32_t block_size, int32_t rate, bool with_reads) {
  const int64_t reads =
      with_reads ? kTrials * TicksPerTrial(TickMilliseconds(block_size, rate)) : 0;
  return CpuTestStartSector(rate) + reads * block_size;
}

double Engine::RunCpuTest(int32_t block_size, int32_t rate, bool with_reads) {
  Announce(with_reads
               ? "Current Test: CPU Test " + std::to_string(2 * static_cast<int64_t>(rate)) + "kps"
               : std::string("Current Test: CPU Vantric"));
  ReadSectorAt(CpuTestStartSector(rate));

  const double tick = TickMilliseconds(block_size, rate);
  const int64_t ticks_per_trial = TicksPerTrial(tick);
  PaceUntil(kSettleMilliseconds);
  const int32_t sectors_per_tick = with_reads ? block_size : 0;

  // Calibration and usage must run this very loop, so that their poll counts compare.
  Clock& clock = platform_.clock;
  const double ticks_per_ms = CounterTicksPerMs;
  for (int trial = 0; trial < kTrials; ++trial) {
    if (ReachProgressPoint(static_cast<int>(Round((trial + 1) * 0.25 * 100)))) break;
    int64_t polls = 0;
    double deadline = tick;
    const int64_t start = clock.Counter();
    for (int64_t t = 0; t < ticks_per_trial; ++t) {
      ReadOrSkip(sectors_per_tick);
      int64_t reading;
      do {
        reading = clock.Counter();
        ++polls;
      } while (static_cast<double>(reading - start) / ticks_per_ms < deadline);
      // Deadlines count from the trial's start, so a late tick does not delay the rest.
      deadline += tick;
    }
    SampleTable[trial] = static_cast<double>(polls);
  }

  const int64_t idle_polls = Round(PickRepresentativeSample());
  const double trial_milliseconds = static_cast<double>(ticks_per_trial) * tick;
  if (!with_reads) {
    // A trial without ticks has no length to divide by.
    return ticks_per_trial > 0 ? static_cast<double>(idle_polls) / trial_milliseconds : 0;
  }
  const int64_t expected_polls = Round(trial_milliseconds * baselines_->CpuCalibration);
  double usage = 0;
  if (expected_polls > idle_polls) {
    usage = static_cast<double>(expected_polls - idle_polls) / static_cast<double>(expected_polls) *
            100;
  }
  return usage < 1.0 ? 1.0 : usage;
}

}  // namespace vantric
