#include "drive/capabilities.h"

#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr size_t kHeaderBytes = 8;
constexpr uint16_t kAnswerBytes = 256;
// Up to the current read speed: older drives end the page there.
constexpr size_t kPageBytesNeeded = 16;

bool Bit(uint8_t byte, int bit) { return (byte >> bit & 1) != 0; }

Loader LoaderOf(uint8_t type) {
  switch (type) {
    case 0:
      return Loader::kCaddy;
    case 1:
      return Loader::kTray;
    case 2:
      return Loader::kPopUp;
    case 4:
      return Loader::kChanger;
    case 5:
      return Loader::kChangerCartridge;
    default:
      return Loader::kOther;
  }
}

}  // namespace

std::string_view LoaderName(Loader loader) {
  switch (loader) {
    case Loader::kCaddy:
      return "caddy";
    case Loader::kTray:
      return "tray";
    case Loader::kPopUp:
      return "pop-up";
    case Loader::kChanger:
      return "changer";
    case Loader::kChangerCartridge:
      return "changer with a cartridge";
    case Loader::kOther:
      break;
  }
  return "other";
}

std::optional<Capabilities> ParseCapabilitiesPage(std::span<const uint8_t> data) {
  if (data.size() < kHeaderBytes) return std::nullopt;
  const size_t page_at = kHeaderBytes + Be16(data, 6);
  if (page_at + kPageBytesNeeded > data.size() || (data[page_at] & 0x3F) != kCapabilitiesPage) {
    return std::nullopt;
  }
  const std::span<const uint8_t> page = data.subspan(page_at);
  Capabilities c;
  c.reads_cd_r = Bit(page[2], 0);
  c.reads_cd_rw = Bit(page[2], 1);
  c.reads_dvd_rom = Bit(page[2], 3);
  c.reads_dvd_r = Bit(page[2], 4);
  c.reads_dvd_ram = Bit(page[2], 5);
  c.writes_cd_r = Bit(page[3], 0);
  c.writes_cd_rw = Bit(page[3], 1);
  c.writes_dvd_r = Bit(page[3], 4);
  c.writes_dvd_ram = Bit(page[3], 5);
  c.cd_da = Bit(page[5], 0);
  c.accurate_stream = Bit(page[5], 1);
  c.c2_pointers = Bit(page[5], 4);
  c.loader = LoaderOf(page[6] >> 5);
  c.max_read_kbps = Be16(page, 8);
  c.buffer_kb = Be16(page, 12);
  c.current_read_kbps = Be16(page, 14);
  return c;
}

std::optional<Capabilities> ReadCapabilities(Mmc& mmc) {
  const MmcAnswer page = mmc.Ask(ModeSense10Cdb(kCapabilitiesPage, kAnswerBytes), kAnswerBytes);
  return page.ok ? ParseCapabilitiesPage(page.data) : std::nullopt;
}

}  // namespace vantric
