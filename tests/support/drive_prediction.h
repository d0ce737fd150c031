#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/disc_places.h"
#include "platform/disc_medium.h"
#include "sim/drive_parameters.h"

namespace vantric::testing {

// What the benchmark should measure on a simulated drive, worked out from the drive's data
// sheet alone: the steady-state figures a reader of the profile would derive by hand.
// Times are in seconds, rates in KB/s.
class DrivePrediction {
 public:
  DrivePrediction(const DriveParameters& drive, double poll_seconds)
      : d_(drive), poll_(poll_seconds) {}

  double Radius(double sector) const {
    const double ri = d_.inner_radius_mm;
    const double ro = d_.outer_radius_mm;
    return std::sqrt(ri * ri + (ro * ro - ri * ri) * sector / d_.disc_sectors);
  }
  double Media(double sector) const {  // sectors/s
    const double nominal = d_.nominal_x * OneXBytesPerSecond(d_.medium) / 2048.0;
    return d_.spin == SpinMode::kClv ? nominal : nominal * Radius(sector) / d_.outer_radius_mm;
  }
  double Interface(int sectors) const {
    return d_.interface_kbps > 0 ? 2.0 * sectors / d_.interface_kbps : 0;
  }
  double Overhead() const { return d_.command_overhead_ms / 1000; }
  double Seek(double from, double to) const {
    const double share =
        std::abs(Radius(to) - Radius(from)) / (d_.outer_radius_mm - d_.inner_radius_mm);
    return (d_.settle_ms + (d_.full_stroke_ms - d_.settle_ms) * std::sqrt(share)) / 1000;
  }
  double Latency() const { return d_.rotational_latency_ms / 1000; }

  // Streaming blocks of n sectors: the media or the host side (command plus transfer),
  // whichever is slower, sets the pace. The sector is where the media is mid-test.
  double SequentialKbps(double sector, int n) const {
    return 2.0 * n / std::max(n / Media(sector), Overhead() + Interface(n));
  }
  // The next sector right after a read: the media delivers it while the host prepares.
  double SeekOverheadMs(double sector) const {
    return 1000 * std::max(1 / Media(sector), poll_ + Overhead() + Interface(1));
  }
  // A positioned read of one sector far from the last.
  double AccessSeconds(double from, double to) const {
    return Overhead() + Seek(from, to) + Latency() + std::max(Interface(1), 1 / Media(to));
  }
  // The mean of a stroke test's reads, alternating between `far` and `near` and moving on by
  // kStrokeStride at each step; each read starts where the one before left the head, one
  // sector past it.
  double StrokeSeconds(int64_t near, int64_t far) const {
    double seconds = 0;
    int64_t head = near + 2;
    for (int i = 1; i <= kStrokeSteps; ++i) {
      seconds += AccessSeconds(head, far + kStrokeStride * i);
      seconds += AccessSeconds(far + kStrokeStride * i + 1, near + kStrokeStride * i);
      head = near + kStrokeStride * i + 1;
    }
    return seconds / (2 * kStrokeSteps);
  }
  // The mean of the random access test's reads of `positions`, after the one of sector 1.
  double RandomSeconds(const std::array<int32_t, kRandomSteps>& positions) const {
    double seconds = 0;
    int64_t head = 2;
    for (const int32_t position : positions) {
      seconds += AccessSeconds(head, position) / kRandomSteps;
      head = position + 1;
    }
    return seconds;
  }
  // A block taken from a full buffer, or from the media when there is no buffer.
  double BurstKbps(int n, double sector) const {
    const double transfer =
        d_.buffer_sectors >= n ? Interface(n) : std::max(Interface(n), n / Media(sector));
    return 2.0 * n / (poll_ + Overhead() + transfer);
  }
  // One block of 8 sectors per tick costs the host its command and the transfer: the media
  // keeps the buffer full between ticks, as it does on any drive fast enough for the rate.
  double CpuUsagePercent(int rate) const {
    const double tick = (8 * (1000.0 / rate) + 1) / 1000;
    return std::max(1.0, 100 * (Overhead() + Interface(8)) / tick);
  }

  // The seek-overhead test: the mean of its eight timed reads, in ms.
  double SeekOverheadTestMs() const {
    double ms = 0;
    for (int i = 1; i <= 8; ++i) ms += SeekOverheadMs(25001 + 1234 * i) / 8;
    return ms;
  }
  // The full-stroke test's mean read, before the overhead is taken off, in ms. Each read starts
  // where the previous one left the head: one sector past it.
  double FullStrokeTestMs() const {
    double seconds = 0;
    int64_t head = 2;
    for (int i = 1; i <= 32; ++i) {
      seconds += AccessSeconds(head, 270000 + 32 * i);
      seconds += AccessSeconds(270001 + 32 * i, 32 * i);
      head = 32 * i + 1;
    }
    return seconds * 1000 / 64;
  }
  // The same for the random-access test, at the positions the benchmark draws.
  double RandomAccessTestMs() const {
    double seconds = 0;
    uint32_t state = 0x14DA7B20u;
    int64_t head = 2;
    for (int i = 1; i <= 200; ++i) {
      state = state * 134775813u + 1u;
      const auto position = static_cast<int64_t>((static_cast<uint64_t>(state) * 270000u) >> 32);
      seconds += AccessSeconds(head, position);
      head = position + 1;
    }
    return seconds * 1000 / 200;
  }

 private:
  DriveParameters d_;
  double poll_;
};

}  // namespace vantric::testing
