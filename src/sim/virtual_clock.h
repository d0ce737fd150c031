#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace vantric {

// A clock that moves only when asked: each counter read costs a fixed poll time, a sleep
// advances by its length and simulated drives advance it by the time their reads take.
// Nothing waits for real, and every result is reproducible.
class VirtualClock : public Clock {
 public:
  static constexpr int64_t kDefaultFrequency = 1'000'000'000;  // counts of 1 ns

  explicit VirtualClock(int64_t frequency = kDefaultFrequency, int64_t poll_cost = 50)
      : frequency_(frequency), poll_cost_(poll_cost) {}

  int64_t Counter() override {
    const int64_t reading = now_;
    now_ += poll_cost_;
    return reading;
  }
  int64_t Frequency() override { return frequency_; }
  void Sleep(uint32_t milliseconds) override { Advance(CountsForSeconds(milliseconds / 1000.0)); }

  void Advance(int64_t counts) { now_ += counts; }
  void AdvanceSeconds(double seconds) { Advance(CountsForSeconds(seconds)); }
  int64_t CountsForSeconds(double seconds) const;
  double SecondsForCounts(int64_t counts) const;

  int64_t Now() const { return now_; }
  int64_t PollCost() const { return poll_cost_; }
  void SetPollCost(int64_t counts) { poll_cost_ = counts; }
  void SetFrequency(int64_t frequency) { frequency_ = frequency; }

 private:
  int64_t frequency_;
  int64_t poll_cost_;
  int64_t now_ = 0;
};

}  // namespace vantric
