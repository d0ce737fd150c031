#pragma once

#include <memory>
#include <optional>
#include <string>

#include "drive/drive_speed.h"
#include "drive/mmc.h"
#include "platform/disc_devices.h"
#include "platform/disc_medium.h"

namespace vantric {

// A read speed asked for: so many X of the disc's medium, or the drive's fastest.
struct SpeedRequest {
  std::optional<double> x;  // nothing: the fastest ("max")
};
// "4X", "2.4X" or "max".
std::string SpeedRequestText(const SpeedRequest& request);
// Reads "4", "2.4" or "max"; nothing for anything else, or a speed not above 0 or beyond
// kFastestX.
inline constexpr double kFastestX = 1000;
std::optional<SpeedRequest> ParseSpeedRequest(const std::string& text);

// What became of a request: the speed the drive chose, in the medium's X, as it says.
struct SpeedRecord {
  SpeedRequest asked;
  std::optional<DiscMedium> medium;  // nothing when the drive could not be asked
  bool set = false;                  // the drive took the request
  std::optional<double> x;           // what it reads at now; nothing when it does not say
};

// A drive held at the read speed asked for, and set back to its fastest when the hold ends:
// after a run, a cancelled run and a failed read alike.
class HeldSpeed {
 public:
  // Opens the drive's commands and sets the speed for the disc it holds (SET CD SPEED or SET
  // STREAMING by its medium). nullptr, with the reason in *problem and what is known in
  // *record, when the drive takes no commands or refuses the speed.
  static std::unique_ptr<HeldSpeed> Hold(DiscDevices& devices, const std::string& device,
                                         const SpeedRequest& request, SpeedRecord* record,
                                         std::string* problem);
  ~HeldSpeed();
  HeldSpeed(const HeldSpeed&) = delete;
  HeldSpeed& operator=(const HeldSpeed&) = delete;

 private:
  HeldSpeed(std::unique_ptr<DriveCommands> commands, DiscMedium medium, int64_t disc_sectors);

  std::unique_ptr<DriveCommands> commands_;
  Mmc mmc_;
  DriveSpeed speed_;
};

}  // namespace vantric
