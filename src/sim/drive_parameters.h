#pragma once

#include <cstdint>

#include "platform/disc_medium.h"

namespace vantric {

enum class SpinMode {
  kClv,  // constant linear velocity: the same media rate at every radius
  kCav,  // constant angular velocity: the media rate grows with the radius
};

// What a simulated drive is made of. Every value has a physical meaning, so that a profile
// reads like a data sheet and the benchmark's results can be predicted from it.
struct DriveParameters {
  SpinMode spin = SpinMode::kClv;
  // The kind of disc the drive reads, and so what its X is.
  DiscMedium medium = DiscMedium::kCd;
  // Multiples of the medium's single speed (a CD's 150 KB/s, 75 sectors/s); for CAV, the speed
  // at the outer edge of the disc.
  double nominal_x = 1;

  // Seek time over a radial distance d: settle + (full_stroke - settle) * sqrt(d / span), where
  // span is the whole recorded band, so that a seek across all of it takes full_stroke.
  double settle_ms = 0;
  double full_stroke_ms = 0;
  // The mean wait for the sector to come round after a seek.
  double rotational_latency_ms = 0;
  // Host and driver time per command; the drive goes on reading ahead meanwhile.
  double command_overhead_ms = 0;

  // Read-ahead buffer in sectors (0: none); it fills at the media rate and stops when full.
  int32_t buffer_sectors = 0;
  // Rate at which buffered sectors reach the host, KB/s.
  double interface_kbps = 0;

  // Disc geometry: the recorded band and its capacity; the radius of a sector follows from
  // the area the sectors before it cover.
  double inner_radius_mm = 25;
  double outer_radius_mm = 58;
  int64_t disc_sectors = 333'000;
};

}  // namespace vantric
