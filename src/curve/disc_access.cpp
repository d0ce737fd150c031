#include "curve/disc_access.h"

#include "drive/mmc.h"

namespace vantric {
namespace {

using D = DiscTest;

// A test the benchmark runs too keeps the benchmark's label, key and unit.
DiscAccessTest AsInTheBenchmark(DiscTestCall call, double TestResults::*field) {
  const CatalogueTest& test = FindByField(field);
  return {call, test.report_text ? test.report_text : test.text, test.field_name, test.unit};
}

}  // namespace

std::span<const DiscAccessTest> DiscAccessTests() {
  using R = TestResults;
  static const DiscAccessTest kRows[] = {
      AsInTheBenchmark({D::kSeekOverhead}, &R::SeekOverhead),
      AsInTheBenchmark({D::kFullStroke}, &R::FullStrokeTime),
      {{D::kThirdStroke}, "Third Stroke", "ThirdStrokeTime", ValueUnit::kMs},
      AsInTheBenchmark({D::kRandomAccess}, &R::RandomAccessTime),
      AsInTheBenchmark({D::kBurst, 1}, &R::BurstRate2k),
      AsInTheBenchmark({D::kBurst, 4}, &R::BurstRate8k),
      AsInTheBenchmark({D::kBurst, 8}, &R::BurstRate16k),
  };
  return kRows;
}

DiscAccessOutcome RunDiscAccessTests(Engine& engine, int64_t disc_sectors, Mmc* mmc,
                                     const std::string& no_commands, DiscAccessResults* results) {
  if (!engine.StartCounter()) return DiscAccessOutcome::kNoCounter;
  results->SeekOverhead = 0;
  results->values.clear();
  engine.UseBaselines(*results);
  for (const DiscAccessTest& test : DiscAccessTests()) {
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
