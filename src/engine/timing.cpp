#include "engine/engine.h"
#include "engine/rounding.h"

namespace vantric {

bool Engine::StartCounter() {
  const int64_t frequency = platform_.clock.Frequency();
  if (frequency <= 0) return false;
  CounterFrequency = frequency;
  CounterTicksPerMs = static_cast<double>(frequency) * 0.001;
  return true;
}

void Engine::YieldToUI() {
  platform_.pump.ProcessMessages();
  platform_.clock.Sleep(0);
}

void Engine::PaceUntil(double milliseconds) {
  Clock& clock = platform_.clock;
  const int64_t start = clock.Counter();
  while (static_cast<double>(clock.Counter() - start) / CounterTicksPerMs < milliseconds) {
  }
}

double Engine::PickRepresentativeSample() const {
  const std::array<double, 4>& table = SampleTable;
  size_t largest = 0;
  size_t smallest = 0;
  for (size_t i = 1; i < table.size(); ++i) {
    if (table[i] > table[largest]) largest = i;
  }
  for (size_t i = 1; i < table.size(); ++i) {
    if (table[i] < table[smallest]) smallest = i;
  }
  // The two highest-numbered entries left once one largest and one smallest are set aside.
  size_t kept[2];
  size_t count = 0;
  for (size_t i = table.size(); i-- > 0 && count < 2;) {
    if (i != largest && i != smallest) kept[count++] = i;
  }
  const double higher_numbered = table[kept[0]];
  const double lower_numbered = table[kept[1]];
  return higher_numbered > lower_numbered ? higher_numbered : lower_numbered;
}

void Engine::Announce(const std::string& caption) {
  if (OnTestCaption) OnTestCaption(caption);
  if (OnTestProgress) OnTestProgress(0);
  YieldToUI();
}

bool Engine::ReachProgressPoint(int percent) {
  if (OnTestProgress) OnTestProgress(percent);
  YieldToUI();
  return StopRequested();
}

double Engine::Seconds(int64_t counts) const {
  return static_cast<double>(counts) / static_cast<double>(CounterFrequency);
}

}  // namespace vantric
