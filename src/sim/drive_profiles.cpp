#include "sim/drive_profiles.h"

#include <array>

namespace vantric {
namespace {

constexpr DriveParameters TwoSpeedClv() {
  DriveParameters drive;
  drive.spin = SpinMode::kClv;
  drive.nominal_x = 2;
  drive.settle_ms = 60;
  drive.full_stroke_ms = 400;
  // At 2X a turn takes 60 ms at the inner edge and 140 ms at the outer.
  drive.rotational_latency_ms = 45;
  drive.command_overhead_ms = 1.0;
  drive.buffer_sectors = 32;  // 64 KB
  drive.interface_kbps = 2000;
  return drive;
}

constexpr DriveParameters EightSpeedClv() {
  DriveParameters drive;
  drive.spin = SpinMode::kClv;
  drive.nominal_x = 8;
  drive.settle_ms = 40;
  drive.full_stroke_ms = 220;
  drive.rotational_latency_ms = 12;
  drive.command_overhead_ms = 0.5;
  drive.buffer_sectors = 128;  // 256 KB
  drive.interface_kbps = 8000;
  return drive;
}

constexpr DriveParameters TwentyFourSpeedCav() {
  DriveParameters drive;
  drive.spin = SpinMode::kCav;
  drive.nominal_x = 24;
  drive.settle_ms = 20;
  drive.full_stroke_ms = 150;
  drive.rotational_latency_ms = 5.8;  // about 5100 rpm
  drive.command_overhead_ms = 0.3;
  drive.buffer_sectors = 64;  // 128 KB
  drive.interface_kbps = 16600;
  return drive;
}

constexpr DriveParameters FiftyTwoSpeedCav() {
  DriveParameters drive;
  drive.spin = SpinMode::kCav;
  drive.nominal_x = 52;
  drive.settle_ms = 15;
  drive.full_stroke_ms = 110;
  drive.rotational_latency_ms = 2.7;  // about 11,000 rpm
  // Enough that small blocks at the outer edge are limited by the host, not the media.
  drive.command_overhead_ms = 0.3;
  // Not more: the run's warm-up ends at sector 48, and a buffer reaching on past sector 512
  // would serve the inside read test from the buffer instead of the media.
  drive.buffer_sectors = 256;  // 512 KB
  drive.interface_kbps = 33000;
  return drive;
}

constexpr DriveParameters IdealEightSpeedClv() {
  DriveParameters drive;
  drive.spin = SpinMode::kClv;
  drive.nominal_x = 8;
  drive.interface_kbps = 0;  // no limit: only the media rate counts
  return drive;
}

constexpr std::array<DriveProfile, 5> kProfiles = {{
    {"2x-clv", "2X CLV (300 KB/s), 64 KB buffer, 400 ms full stroke", TwoSpeedClv()},
    {"8x-clv", "8X CLV (1200 KB/s), 256 KB buffer, 220 ms full stroke", EightSpeedClv()},
    {"24x-cav", "24X CAV (about 10X inside to 24X outside), 128 KB buffer, 150 ms full stroke",
     TwentyFourSpeedCav()},
    {"52x-cav", "52X CAV (about 22X inside to 52X outside), 512 KB buffer, 110 ms full stroke",
     FiftyTwoSpeedCav()},
    {"ideal-8x-clv", "8X CLV with no overhead, seek, latency or buffer: exactly 1200 KB/s",
     IdealEightSpeedClv()},
}};

}  // namespace

std::span<const DriveProfile> DriveProfiles() { return kProfiles; }

const DriveProfile* FindDriveProfile(std::string_view name) {
  for (const DriveProfile& profile : kProfiles) {
    if (profile.name == name) return &profile;
  }
  return nullptr;
}

std::string DriveProfileListText() {
  constexpr size_t kNameColumn = 14;
  std::string text;
  for (const DriveProfile& profile : kProfiles) {
    text += profile.name;
    text.append(kNameColumn - profile.name.size(), ' ');
    text += profile.description;
    text += '\n';
  }
  return text;
}

}  // namespace vantric
