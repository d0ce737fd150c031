#include "cli/speed_option.h"

#include "results/read_speed_text.h"

namespace vantric {

bool HoldReadSpeed(const CliOptions& options, DiscDevices& devices, const std::string& device,
                   std::unique_ptr<HeldSpeed>* hold, std::optional<SpeedRecord>* record,
                   std::ostream& err) {
  if (!options.speed) return true;
  SpeedRecord held;
  std::string problem;
  if (device.empty()) {
    held = SpeedRecord{*options.speed, std::nullopt, false, std::nullopt};
    problem = "the test file is not on an optical drive that takes drive commands";
  } else {
    *hold = HeldSpeed::Hold(devices, device, *options.speed, &held, &problem);
  }
  *record = held;
  if (*hold || !options.speed->x) {
    err << ReadSpeedLine(held, problem) << "\n";
    return true;
  }
  err << "The read speed " << SpeedRequestText(*options.speed) << " cannot be set: " << problem
      << ". Nothing was measured; --speed max goes on at the drive's own speed.\n";
  return false;
}

}  // namespace vantric
