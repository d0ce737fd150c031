#include "sim/drive_model.h"

#include <algorithm>
#include <cmath>

namespace vantric {
namespace {

constexpr double kKilobytesPerSector = 2;
constexpr double kBytesPerSector = 2048;

}  // namespace

DriveModel::DriveModel(const DriveParameters& parameters) : parameters_(parameters) {}

double DriveModel::RadiusMm(double sector) const {
  const double inner = parameters_.inner_radius_mm;
  const double outer = parameters_.outer_radius_mm;
  const double share = std::clamp(sector / static_cast<double>(parameters_.disc_sectors), 0.0, 1.0);
  return std::sqrt(inner * inner + (outer * outer - inner * inner) * share);
}

double DriveModel::MediaSectorsPerSecond(double sector) const {
  double rate = parameters_.nominal_x *
                static_cast<double>(OneXBytesPerSecond(parameters_.medium)) / kBytesPerSector;
  if (parameters_.spin == SpinMode::kCav) rate *= RadiusMm(sector) / parameters_.outer_radius_mm;
  if (faults_ != nullptr && faults_->IsSlow(sector)) rate /= faults_->slow_factor;
  return rate;
}

double DriveModel::SeekSeconds(double from_sector, double to_sector) const {
  const double span = parameters_.outer_radius_mm - parameters_.inner_radius_mm;
  const double distance = std::abs(RadiusMm(to_sector) - RadiusMm(from_sector));
  const double share = span > 0 ? std::min(distance / span, 1.0) : 0.0;
  const double travel = parameters_.full_stroke_ms - parameters_.settle_ms;
  return (parameters_.settle_ms + travel * std::sqrt(share)) / 1000;
}

double DriveModel::BufferRoom(double cursor) const {
  // Reading ahead stops at the end of the recorded band as well as at a full buffer.
  const double to_disc_end = static_cast<double>(parameters_.disc_sectors) - cursor;
  return std::max(0.0, std::min(static_cast<double>(parameters_.buffer_sectors), to_disc_end));
}

double DriveModel::InterfaceSeconds(int32_t count) const {
  if (parameters_.interface_kbps <= 0) return 0;  // no limit
  return count * kKilobytesPerSector / parameters_.interface_kbps;
}

void DriveModel::ReadAheadUntil(double time) {
  if (time <= media_time_) return;
  const double rate = MediaSectorsPerSecond(static_cast<double>(cursor_) + ahead_);
  ahead_ = std::min(BufferRoom(static_cast<double>(cursor_)), ahead_ + rate * (time - media_time_));
  media_time_ = time;
}

double DriveModel::Read(double now, int64_t first_sector, int32_t count) {
  // The drive learns of the command only after the host's overhead.
  double time = now + OverheadSeconds();
  ReadAheadUntil(time);

  const double head = static_cast<double>(cursor_) + ahead_;
  const double first = static_cast<double>(first_sector);
  if (positioned_ && first_sector >= cursor_ && first <= head) {
    ahead_ -= static_cast<double>(first_sector - cursor_);
  } else {
    time += SeekSeconds(positioned_ ? head : 0.0, first) + parameters_.rotational_latency_ms / 1000;
    ahead_ = 0;
    positioned_ = true;
  }
  cursor_ = first_sector;

  const double rate = MediaSectorsPerSecond(first + ahead_);
  const double from_media = std::max(0.0, count - ahead_);
  const double transfer = std::max(InterfaceSeconds(count), from_media / rate);
  cursor_ += count;
  ahead_ =
      std::clamp(ahead_ + rate * transfer - count, 0.0, BufferRoom(static_cast<double>(cursor_)));
  media_time_ = time + transfer;
  return media_time_ - now;
}

}  // namespace vantric
