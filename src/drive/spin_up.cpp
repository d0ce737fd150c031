#include "drive/spin_up.h"

#include <vector>

#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr size_t kSectorBytes = 2048;

}  // namespace

SpinTimes MeasureSpinUp(Mmc& mmc, Clock& clock, int64_t sector) {
  SpinTimes times;
  const double counts_per_ms = static_cast<double>(clock.Frequency()) / 1000;
  if (counts_per_ms <= 0) {
    times.error = "the machine has no counter to time it with";
    return times;
  }
  int64_t before = clock.Counter();
  const MmcAnswer stop = mmc.Tell(StartStopUnitCdb(false, false, false));
  if (!stop.ok) {
    times.error = "the drive did not stop the disc: " + stop.error;
    return times;
  }
  times.spin_down_ms = static_cast<double>(clock.Counter() - before) / counts_per_ms;
  std::vector<uint8_t> data(kSectorBytes);
  before = clock.Counter();
  const MmcAnswer read = mmc.ReadInto(Read10Cdb(static_cast<uint32_t>(sector), 1), data);
  const int64_t after = clock.Counter();
  if (!read.ok || read.transferred != data.size()) {
    times.error = "the read after the stop failed: " +
                  (read.ok ? std::string("the drive sent less than a sector") : read.error);
    return times;
  }
  times.spin_up_ms = static_cast<double>(after - before) / counts_per_ms;
  return times;
}

}  // namespace vantric
