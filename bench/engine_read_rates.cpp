// Prints the engine's sequential read rates on a real test file, as bench/fio_compare wants
// them: one line per test and position, "<block> <start sector> <result> <overall>" in KB/s,
// each the median of the repeats asked for. The result is the test's value (a representative
// trial); overall is all four trials' data over all their time, the figure fio's compares with.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/native.h"

namespace {

class NoPump : public vantric::UiPump {
 public:
  void ProcessMessages() override {}
};

// With --no-yield, Sleep(0) gives nothing away: shows what the yields inside the timed
// stretch cost when other processes want the processor.
class ClockWithoutYield : public vantric::NativeClock {
 public:
  void Sleep(uint32_t milliseconds) override {
    if (milliseconds > 0) vantric::NativeClock::Sleep(milliseconds);
  }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const bool no_yield = !arguments.empty() && arguments.front() == "--no-yield";
  if (no_yield) arguments.erase(arguments.begin());
  if (arguments.empty()) {
    std::fprintf(stderr, "usage: engine_read_rates [--no-yield] DIR [REPEATS]\n");
    return 2;
  }
  const int repeats = arguments.size() > 1 ? std::max(1, std::atoi(arguments[1].c_str())) : 5;
  vantric::NativeClock yielding_clock;
  ClockWithoutYield non_yielding_clock;
  vantric::NativeClock& clock = no_yield ? non_yielding_clock : yielding_clock;
  // The folder alone: no optical drive or mount of this machine takes part.
  vantric::NativeDrives drives({arguments[0]}, {.sysfs = "/dev/null", .mounts = "/dev/null"});
  vantric::NativeRegistry registry;
  vantric::NativeSystem system({});
  NoPump pump;
  vantric::Engine engine(vantric::Platform{clock, drives, registry, system, pump});
  engine.ScanDrives();
  if (engine.FindTestDisc() != vantric::DiscOpened) {
    std::fprintf(stderr, "engine_read_rates: no test file under %s\n", arguments[0].c_str());
    return 1;
  }
  if (!engine.StartCounter()) {
    std::fprintf(stderr, "engine_read_rates: this machine has no performance counter\n");
    return 1;
  }
  std::printf("mode %s %s\n", std::string(vantric::ReadModeName(engine.TestFile()->Mode())).c_str(),
              drives.LastOpenNote().c_str());

  struct Test {
    const char* block;
    int32_t start;
    double (vantric::Engine::*run)(int32_t);
  };
  const Test tests[] = {
      {"16k", 512, &vantric::Engine::RunRead16kTest},
      {"16k", 150000, &vantric::Engine::RunRead16kTest},
      {"16k", 298500, &vantric::Engine::RunRead16kTest},
      {"2k", 2048, &vantric::Engine::RunRead2kTest},
      {"2k", 152536, &vantric::Engine::RunRead2kTest},
      {"2k", 296000, &vantric::Engine::RunRead2kTest},
  };
  for (const Test& test : tests) {
    std::vector<double> results, overall;
    for (int i = 0; i < repeats; ++i) {
      results.push_back((engine.*test.run)(test.start));
      // Each trial reads 512 KB, so its time is 512 / its rate.
      double seconds = 0;
      for (const double trial_rate : engine.SampleTable) seconds += 512 / trial_rate;
      overall.push_back(4 * 512 / seconds);
    }
    std::printf("%s %d %.1f %.1f\n", test.block, test.start, Median(results), Median(overall));
  }
  return 0;
}
