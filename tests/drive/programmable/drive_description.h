#pragma once

#include <limits>
#include <string>
#include <vector>

#include "medium.h"
#include "settings.h"
#include "sim/drive_parameters.h"

namespace vantric::programmable {

// What a programmable drive is: its identity, what it reads and how fast, its mechanics and its
// faults. Read from "key = value" lines; every key has a default, so a description names only
// what its scenario is about:
//   vendor = VANTRIC            product = TEST DRIVE 8X     revision = 1.00   serial = VT0001
//   profiles = cd-rom cd-r dvd-rom bd-rom   (what GET CONFIGURATION lists)
//   spin = clv | cav
//   cd_speeds = 1 2 4 8         (the X it accepts; it starts at the fastest)
//   dvd_speeds = ...  bd_speeds = ...
//   settle_ms, full_stroke_ms, rotational_latency_ms   (the seek curve)
//   buffer_kb, interface_kbps   (read-ahead buffer, burst rate; 0: no limit)
//   spin_up_seconds, spin_down_seconds, eject_seconds, load_seconds
//   standby_after_seconds       (idle time before it spins down by itself; 0: never)
//   loader = tray | caddy | popup
//   c2_pointers = yes | no
//   audio_jitter_samples = N    (0: accurate stream; else each audio read lands N samples off)
//   audio_cache_kb = N          (0: none; else the last N KB of audio read are served again
//                               from memory, without the disc)
//   bad_read_seconds            (how long a read of an unreadable sector tries)
//   pull_out_after_seconds      (the disc is pulled out this long after the first read)
//   refuse = 5a bb              (operation codes, in hex, it answers as commands it lacks)
struct DriveDescription {
  std::string vendor = "VANTRIC";
  std::string product = "TEST DRIVE";
  std::string revision = "1.00";
  std::string serial = "VT00000001";
  std::vector<Profile> profiles = {Profile::kCdRom, Profile::kCdR};

  SpinMode spin = SpinMode::kClv;
  std::vector<double> cd_speeds = {4, 8, 16, 24};
  std::vector<double> dvd_speeds = {2, 4, 8};
  std::vector<double> bd_speeds = {2, 4};

  double settle_ms = 40;
  double full_stroke_ms = 200;
  double rotational_latency_ms = 8;
  int buffer_kb = 256;
  double interface_kbps = 0;

  double spin_up_seconds = 1.5;
  double spin_down_seconds = 0.5;
  double eject_seconds = 1;
  double load_seconds = 2;
  double standby_after_seconds = 0;

  std::string loader = "tray";
  bool c2_pointers = true;
  int audio_jitter_samples = 0;
  int audio_cache_kb = 0;
  double bad_read_seconds = 0.5;
  double pull_out_after_seconds = std::numeric_limits<double>::infinity();
  std::vector<uint8_t> refused;

  static DriveDescription Load(const std::string& path);
  static DriveDescription Parse(const std::vector<Setting>& settings);

  // The speeds it accepts on a medium of this profile, slowest first.
  const std::vector<double>& Speeds(Profile profile) const;
  bool Reads(Profile profile) const;
};

}  // namespace vantric::programmable
