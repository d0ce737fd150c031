#include "curve/disc_access.h"

#include "drive/mmc.h"

namespace vantric {
namespace {

using D = DiscTest;

constexpr DiscAccessTest kRows[] = {
    {{D::kSeekOverhead}, "Overhead", "SeekOverhead", ValueUnit::kMs},
    {{D::kFullStroke}, "Full Stroke", "FullStrokeTime", ValueUnit::kMs},
    {{D::kThirdStroke}, "Third Stroke", "ThirdStrokeTime", ValueUnit::kMs},
    {{D::kRandomAccess}, "Random Access", "RandomAccessTime", ValueUnit::kMs},
    {{D::kBurst, 1}, "2k burst", "BurstRate2k", ValueUnit::kKps},
    {{D::kBurst, 4}, "8k burst", "BurstRate8k", ValueUnit::kKps},
    {{D::kBurst, 8}, "16k burst", "BurstRate16k", ValueUnit::kKps},
};

}  // namespace

const std::span<const DiscAccessTest> kDiscAccessTests = kRows;

DiscAccessOutcome RunDiscAccessTests(Engine& engine, int64_t disc_sectors, Mmc* mmc,
                                     const std::string& no_commands, DiscAccessResults* results) {
  if (!engine.StartCounter()) return DiscAccessOutcome::kNoCounter;
  results->SeekOverhead = 0;
  results->values.clear();
  engine.UseBaselines(*results);
  for (const DiscAccessTest& test : kDiscAccessTests) {
    const double value = engine.RunDiscTest(test.call, disc_sectors);
    if (engine.FirstReadFailure().failed) return DiscAccessOutcome::kReadFailed;
    if (engine.CancelRequested) return DiscAccessOutcome::kCancelled;
    if (test.call.test == DiscTest::kSeekOverhead) results->SeekOverhead = value;
    results->values.push_back(value);
  }
  if (mmc == nullptr) {
    results->spin = {std::nullopt, std::nullopt, no_commands};
    return DiscAccessOutcome::kCompleted;
  }
  if (engine.OnTestCaption) engine.OnTestCaption("Current Test: Spin-up");
  results->spin = MeasureSpinUp(*mmc, engine.platform().clock, kSpinUpSector);
  engine.YieldToUI();
  return engine.CancelRequested ? DiscAccessOutcome::kCancelled : DiscAccessOutcome::kCompleted;
}

}  // namespace vantric
