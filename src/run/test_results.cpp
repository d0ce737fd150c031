#include "run/test_results.h"

namespace vantric {

void TestResults::ResetMeasurements() {
  // FirstPassRead16Outside is left alone: pass 1 always writes it before anything reads it.
  const double first_pass_outside = FirstPassRead16Outside;
  static_cast<Baselines&>(*this) = Baselines{};
  Read16Inside = Read16Center = Read16Outside = 0;
  Read2Inside = Read2Center = Read2Outside = 0;
  FullStrokeTime = RandomAccessTime = 0;
  CpuUsage2x = CpuUsage4x = CpuUsage6x = CpuUsage8x = CpuUsage12x = CpuUsageUser = 0;
  BurstRate2k = BurstRate8k = BurstRate16k = 0;
  MultimediaIndex = ApplicationIndex = 0;
  FirstPassRead16Outside = first_pass_outside;
  pass_values.clear();
}

std::vector<double> TestResults::ValuesPerPass(double TestResults::*field) const {
  std::vector<double> values;
  for (const PassValue& measured : pass_values) {
    if (measured.field == field) values.push_back(measured.value);
  }
  return values;
}

}  // namespace vantric
