#include "drive_description.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace vantric::programmable {
namespace {

std::vector<double> SortedSpeeds(const Setting& setting) {
  std::vector<double> speeds = setting.Numbers();
  if (std::any_of(speeds.begin(), speeds.end(), [](double x) { return x <= 0; })) {
    setting.Fail("speeds are above 0");
  }
  std::sort(speeds.begin(), speeds.end());
  return speeds;
}

std::string Name(const Setting& setting, size_t width) {
  if (setting.value.size() > width)
    setting.Fail("at most " + std::to_string(width) + " characters");
  return setting.value;
}

}  // namespace

DriveDescription DriveDescription::Load(const std::string& path) {
  return Parse(ReadSettings(path));
}

DriveDescription DriveDescription::Parse(const std::vector<Setting>& settings) {
  DriveDescription drive;
  // The numbers, by key.
  const std::pair<const char*, double DriveDescription::*> numbers[] = {
      {"settle_ms", &DriveDescription::settle_ms},
      {"full_stroke_ms", &DriveDescription::full_stroke_ms},
      {"rotational_latency_ms", &DriveDescription::rotational_latency_ms},
      {"interface_kbps", &DriveDescription::interface_kbps},
      {"spin_up_seconds", &DriveDescription::spin_up_seconds},
      {"spin_down_seconds", &DriveDescription::spin_down_seconds},
      {"eject_seconds", &DriveDescription::eject_seconds},
      {"load_seconds", &DriveDescription::load_seconds},
      {"standby_after_seconds", &DriveDescription::standby_after_seconds},
      {"bad_read_seconds", &DriveDescription::bad_read_seconds},
      {"pull_out_after_seconds", &DriveDescription::pull_out_after_seconds},
  };
  for (const Setting& setting : settings) {
    const auto number = std::find_if(std::begin(numbers), std::end(numbers),
                                     [&](const auto& entry) { return setting.key == entry.first; });
    if (number != std::end(numbers)) {
      drive.*(number->second) = setting.Number();
      if (drive.*(number->second) < 0) setting.Fail("not below 0");
    } else if (setting.key == "vendor") {
      drive.vendor = Name(setting, 8);
    } else if (setting.key == "product") {
      drive.product = Name(setting, 16);
    } else if (setting.key == "revision") {
      drive.revision = Name(setting, 4);
    } else if (setting.key == "serial") {
      drive.serial = Name(setting, 32);
    } else if (setting.key == "profiles") {
      drive.profiles.clear();
      for (const std::string& word : setting.Words()) {
        const std::optional<Profile> profile = ProfileNamed(word);
        if (!profile) setting.Fail("unknown profile " + word);
        drive.profiles.push_back(*profile);
      }
    } else if (setting.key == "spin") {
      if (setting.value != "clv" && setting.value != "cav") setting.Fail("clv or cav expected");
      drive.spin = setting.value == "cav" ? SpinMode::kCav : SpinMode::kClv;
    } else if (setting.key == "cd_speeds") {
      drive.cd_speeds = SortedSpeeds(setting);
    } else if (setting.key == "dvd_speeds") {
      drive.dvd_speeds = SortedSpeeds(setting);
    } else if (setting.key == "bd_speeds") {
      drive.bd_speeds = SortedSpeeds(setting);
    } else if (setting.key == "buffer_kb") {
      drive.buffer_kb = static_cast<int>(setting.Integer(setting.value));
    } else if (setting.key == "loader") {
      if (setting.value != "tray" && setting.value != "caddy" && setting.value != "popup") {
        setting.Fail("tray, caddy or popup expected");
      }
      drive.loader = setting.value;
    } else if (setting.key == "c2_pointers") {
      drive.c2_pointers = setting.YesNo();
    } else if (setting.key == "refuse") {
      for (const std::string& word : setting.Words()) {
        uint8_t opcode = 0;
        const auto [end, error] =
            std::from_chars(word.data(), word.data() + word.size(), opcode, 16);
        if (word.size() != 2 || error != std::errc() || end != word.data() + word.size()) {
          setting.Fail("an operation code is two hex digits, not " + word);
        }
        drive.refused.push_back(opcode);
      }
    } else if (setting.key == "audio_jitter_samples") {
      drive.audio_jitter_samples = static_cast<int>(setting.Integer(setting.value));
    } else if (setting.key == "audio_cache_kb") {
      drive.audio_cache_kb = static_cast<int>(setting.Integer(setting.value));
      if (drive.audio_cache_kb < 0) setting.Fail("not below 0");
    } else {
      setting.Fail("unknown setting");
    }
  }
  return drive;
}

const std::vector<double>& DriveDescription::Speeds(Profile profile) const {
  if (profile == Profile::kDvdRom) return dvd_speeds;
  if (profile == Profile::kBdRom) return bd_speeds;
  return cd_speeds;
}

bool DriveDescription::Reads(Profile profile) const {
  return std::find(profiles.begin(), profiles.end(), profile) != profiles.end();
}

}  // namespace vantric::programmable
