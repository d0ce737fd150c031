#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantric {

// How the drive takes a disc in, as the capabilities page numbers it.
enum class Loader { kCaddy, kTray, kPopUp, kChanger, kChangerCartridge, kOther };
std::string_view LoaderName(Loader loader);  // "caddy", "tray", "pop-up", ...

// What the MM capabilities and mechanical status page (2Ah) says of a CD drive. Speeds are in
// kB/s of 1000 bytes, as the page has them; 0 where the drive leaves a field empty.
struct Capabilities {
  bool reads_cd_r = false;
  bool reads_cd_rw = false;
  bool reads_dvd_rom = false;
  bool reads_dvd_r = false;
  bool reads_dvd_ram = false;
  bool writes_cd_r = false;
  bool writes_cd_rw = false;
  bool writes_dvd_r = false;
  bool writes_dvd_ram = false;
  bool cd_da = false;            // reads audio sectors with READ CD
  bool accurate_stream = false;  // an audio read starts exactly where it was asked to
  bool c2_pointers = false;      // reports which bytes of an audio sector are in error
  Loader loader = Loader::kOther;
  uint32_t buffer_kb = 0;  // KB of 1024 bytes
  uint32_t max_read_kbps = 0;
  uint32_t current_read_kbps = 0;
};

// From a MODE SENSE(10) answer: the mode parameter header, any block descriptors, then the
// page. Nothing when the page is not there whole.
std::optional<Capabilities> ParseCapabilitiesPage(std::span<const uint8_t> data);

// The page's number, for MODE SENSE.
inline constexpr uint8_t kCapabilitiesPage = 0x2A;

class Mmc;
// Asks the drive for the page (MODE SENSE(10)); nothing when it does not give it.
std::optional<Capabilities> ReadCapabilities(Mmc& mmc);

}  // namespace vantric
