#include "mechanics.h"

#include <algorithm>
#include <cmath>

namespace vantric::programmable {
namespace {

// Bytes per second of user data at 1X: the simulator counts in CD speeds, 75 sectors of 2,048
// bytes a second.
constexpr double kCdBytesPerSecond = 153'600;
constexpr double kDvdBytesPerSecond = 1'385'000;
constexpr double kBdBytesPerSecond = 4'495'500;
constexpr uint32_t kFastest = 0xFFFF;

struct Geometry {
  double inner_radius_mm;
  double outer_radius_mm;
  int64_t full_disc_sectors;
};

Geometry GeometryOf(Profile profile) {
  if (profile == Profile::kDvdRom) return {24, 58, 2'295'104};
  if (profile == Profile::kBdRom) return {24, 58, 12'219'392};
  return {25, 58, 360'000};  // 80 minutes
}

double BytesPerSecondAt1x(Profile profile) {
  if (profile == Profile::kDvdRom) return kDvdBytesPerSecond;
  if (profile == Profile::kBdRom) return kBdBytesPerSecond;
  return kCdBytesPerSecond;
}

}  // namespace

Mechanics::Mechanics(const DriveDescription& drive, Profile medium)
    : drive_(drive), medium_(medium), speed_x_(drive.Speeds(medium).back()), model_(Parameters()) {}

DriveParameters Mechanics::Parameters() const {
  DriveParameters parameters;
  parameters.spin = drive_.spin;
  parameters.nominal_x = speed_x_ * BytesPerSecondAt1x(medium_) / kCdBytesPerSecond;
  parameters.settle_ms = drive_.settle_ms;
  parameters.full_stroke_ms = drive_.full_stroke_ms;
  parameters.rotational_latency_ms = drive_.rotational_latency_ms;
  // The ring and the guest's kernel are the host's overhead, for real.
  parameters.command_overhead_ms = 0;
  parameters.buffer_sectors = drive_.buffer_kb / 2;
  parameters.interface_kbps = drive_.interface_kbps;
  const Geometry geometry = GeometryOf(medium_);
  parameters.inner_radius_mm = geometry.inner_radius_mm;
  parameters.outer_radius_mm = geometry.outer_radius_mm;
  parameters.disc_sectors = geometry.full_disc_sectors;
  return parameters;
}

double Mechanics::OneXKilobytesPerSecond() const {
  // A CD's X is counted in audio bytes, 2,352 a sector.
  if (IsCd(medium_)) return 176.4;
  return BytesPerSecondAt1x(medium_) / 1000;
}

void Mechanics::SelectSpeed(uint32_t kilobytes_per_second) {
  const std::vector<double>& speeds = Speeds();
  double chosen = speeds.back();
  if (kilobytes_per_second != kFastest) {
    const double wanted = kilobytes_per_second / OneXKilobytesPerSecond();
    // Slowest first: on a tie the slower one stays.
    chosen = *std::min_element(speeds.begin(), speeds.end(), [wanted](double a, double b) {
      return std::abs(a - wanted) < std::abs(b - wanted);
    });
  }
  if (chosen == speed_x_) return;
  speed_x_ = chosen;
  // The spindle changes speed: what was read ahead is gone and the head must find its place.
  model_ = DriveModel(Parameters());
}

double Mechanics::SpeedXAt(int64_t lba) const {
  return model_.MediaSectorsPerSecond(static_cast<double>(lba)) * kDataSectorBytes /
         BytesPerSecondAt1x(medium_);
}

bool Mechanics::Spinning(double now) const {
  if (!spinning_) return false;
  const double idle = drive_.standby_after_seconds;
  return idle <= 0 || now - std::max(last_busy_, ready_at_) < idle;
}

double Mechanics::SpinUp(double now) {
  if (Spinning(now)) return std::max(0.0, ready_at_ - now);
  spinning_ = true;
  ready_at_ = now + drive_.spin_up_seconds;
  last_busy_ = ready_at_;
  model_ = DriveModel(Parameters());
  return drive_.spin_up_seconds;
}

double Mechanics::SpinDown(double now) {
  if (!Spinning(now)) return 0;
  spinning_ = false;
  return drive_.spin_down_seconds;
}

double Mechanics::Read(double now, int64_t lba, int32_t count) {
  // A stopped drive spins up first, as it does for any read.
  const double wait = SpinUp(now);
  const double seconds = wait + model_.Read(now + wait, lba, count);
  last_busy_ = now + seconds;
  return seconds;
}

}  // namespace vantric::programmable
