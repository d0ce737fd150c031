#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "drive/mmc.h"
#include "platform/disc_medium.h"

namespace vantric {

// What a drive made of a request for a read speed.
struct SpeedOutcome {
  bool ok = false;          // the drive took the request
  std::string error;        // why not, when it did not
  std::optional<double> x;  // the speed it reads at now, as it says; nothing when it does not
};

// The read speed of the drive that holds a disc, in the X of the disc's medium: SET CD SPEED
// for a CD, SET STREAMING for a DVD or a BD; read back from the capabilities page (a CD) or
// GET PERFORMANCE (a DVD or a BD). Drives round a speed to one of their own.
class DriveSpeed {
 public:
  DriveSpeed(Mmc& mmc, DiscMedium medium, int64_t disc_sectors)
      : mmc_(mmc), medium_(medium), disc_sectors_(disc_sectors) {}

  // `x`: the speed asked for; nothing: the fastest the drive can.
  SpeedOutcome Set(std::optional<double> x);
  // The speed it reads at now; nothing when the drive does not say.
  std::optional<double> Current();
  // The fastest it claims for the medium: the fastest speed GET PERFORMANCE lists for a DVD or
  // a BD, the capabilities page's for a CD (and for the others when GET PERFORMANCE does not
  // say); nothing when neither says.
  std::optional<double> Top();

 private:
  MmcAnswer Request(std::optional<double> x);

  Mmc& mmc_;
  DiscMedium medium_;
  int64_t disc_sectors_;
};

}  // namespace vantric
