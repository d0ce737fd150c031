#include "sim/drive_profiles.h"

#include <algorithm>

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
  // More than a sector takes to pass the head even at the inner edge (1.29 ms): 2 KB commands
  // are paced by the host everywhere, as on the drives of its day, and never read faster than
  // 16 KB ones.
  drive.command_overhead_ms = 1.3;
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
  // More than a sector takes to pass the head at the inner edge (0.6 ms): small blocks are
  // limited by the host, not the media.
  drive.command_overhead_ms = 0.7;
  // Not more: the run's warm-up ends at sector 48, and a buffer reaching on past sector 512
  // would serve the inside read test from the buffer instead of the media.
  drive.buffer_sectors = 256;  // 512 KB
  drive.interface_kbps = 33000;
  return drive;
}

// The best an 8X CLV drive can do: nothing lost on the host's side, but the head still has to
// travel and the disc to turn.
constexpr DriveParameters IdealEightSpeedClv() {
  DriveParameters drive = EightSpeedClv();
  drive.command_overhead_ms = 0;
  drive.interface_kbps = 33000;
  return drive;
}

// A DVD-ROM drive of the 16X generation, spinning at about 9,200 rpm; its test disc is a DVD,
// so the test file covers only the inner eighth of it.
constexpr DriveParameters SixteenSpeedDvd() {
  DriveParameters drive;
  drive.spin = SpinMode::kCav;
  drive.medium = DiscMedium::kDvd;
  drive.nominal_x = 16;
  drive.settle_ms = 20;
  drive.full_stroke_ms = 180;
  drive.rotational_latency_ms = 3.3;
  // Above the 0.22 ms a sector takes at the inner edge, and with the interface's share of a
  // 16 KB read below what its sectors take at the outer edge (0.74 ms).
  drive.command_overhead_ms = 0.25;
  drive.buffer_sectors = 256;  // 512 KB, as the 52X CD drive, for the same reason
  drive.interface_kbps = 66000;
  drive.inner_radius_mm = 24;
  drive.disc_sectors = 2'295'104;  // 4.7 GB, one layer
  return drive;
}

// A Blu-ray drive reading at a constant 4X, from about 7,800 rpm inside to 3,200 outside.
constexpr DriveParameters FourSpeedBd() {
  DriveParameters drive;
  drive.spin = SpinMode::kClv;
  drive.medium = DiscMedium::kBd;
  drive.nominal_x = 4;
  drive.settle_ms = 25;
  drive.full_stroke_ms = 250;
  drive.rotational_latency_ms = 6.5;
  // Above the 0.11 ms a sector takes.
  drive.command_overhead_ms = 0.15;
  drive.buffer_sectors = 256;
  drive.interface_kbps = 150000;
  drive.inner_radius_mm = 24;
  drive.disc_sectors = 12'219'392;  // 25 GB, one layer
  return drive;
}

// A CD worn at its outer edge, past the end of the test file: the benchmark runs as on a sound
// disc, and only a read of the whole disc finds the damage. The drive slows down before the
// worst of it and spends a second of retries on every read it cannot make.
DriveFaults WornOuterEdge() {
  DriveFaults faults;
  faults.unreadable = {{304'000, 304'100}, {313'000, 321'000}};
  faults.bad_read_seconds = 1;
  faults.first_slow_sector = 309'000;
  faults.end_slow_sector = 313'000;
  faults.slow_factor = 4;
  return faults;
}

std::span<const DriveProfile> Profiles() {
  static const DriveProfile profiles[] = {
      {"2x-clv", "2X CLV (300 KB/s), 64 KB buffer, 400 ms full stroke", TwoSpeedClv(), {}},
      {"8x-clv", "8X CLV (1200 KB/s), 256 KB buffer, 220 ms full stroke", EightSpeedClv(), {}},
      {"24x-cav",
       "24X CAV (about 10X inside to 24X outside), 128 KB buffer, 150 ms full stroke",
       TwentyFourSpeedCav(),
       {}},
      {"52x-cav",
       "52X CAV (about 22X inside to 52X outside), 512 KB buffer, 110 ms full stroke",
       FiftyTwoSpeedCav(),
       {}},
      {"ideal-8x-clv",
       "8X CLV as 8x-clv with no command overhead: 1200 KB/s at every block size",
       IdealEightSpeedClv(),
       {}},
      {"dvd-16x-cav",
       "16X DVD CAV (about 6.6X inside to 16X outside), 4.7 GB DVD, 180 ms full stroke",
       SixteenSpeedDvd(),
       {}},
      {"bd-4x-clv", "4X BD CLV (18 MB/s), 25 GB BD, 250 ms full stroke", FourSpeedBd(), {}},
      {"scratched-24x-cav",
       "24X CAV as 24x-cav with a worn CD: two ranges near the edge do not read",
       TwentyFourSpeedCav(), WornOuterEdge()},
  };
  return profiles;
}

}  // namespace

std::span<const DriveProfile> DriveProfiles() { return Profiles(); }

const DriveProfile* FindDriveProfile(std::string_view name) {
  for (const DriveProfile& profile : Profiles()) {
    if (profile.name == name) return &profile;
  }
  return nullptr;
}

std::string DriveProfileListText() {
  size_t name_column = 0;
  for (const DriveProfile& profile : Profiles()) {
    name_column = std::max(name_column, profile.name.size() + 2);
  }
  std::string text;
  for (const DriveProfile& profile : Profiles()) {
    text += profile.name;
    text.append(name_column - profile.name.size(), ' ');
    text += profile.description;
    text += '\n';
  }
  return text;
}

}  // namespace vantric
