// What the drive is and can do: INQUIRY, its mode pages, its features and its performance.
#include <algorithm>
#include <cmath>

#include "drive.h"

namespace vantric::programmable {
namespace {

constexpr uint8_t kErrorRecoveryPage = 0x01;
constexpr uint8_t kCapabilitiesPage = 0x2A;
constexpr uint8_t kAllPages = 0x3F;
constexpr uint8_t kCurrentValues = 0, kChangeableValues = 1, kSavedValues = 3;

uint32_t KilobytesPerSecond(double x, double one_x) {
  return static_cast<uint32_t>(std::nearbyint(x * one_x));
}

// One feature of GET CONFIGURATION: its header and the bytes after it.
void Feature(Bytes& data, uint16_t code, uint8_t version, bool current,
             std::span<const uint8_t> body) {
  data.U16(code).U8(version << 2 | 0x02 * (code <= 0x0003) | (current ? 1 : 0));
  data.U8(static_cast<uint32_t>(body.size())).Append(body);
}

uint8_t LoadingMechanism(const std::string& loader) {
  if (loader == "caddy") return 0;
  if (loader == "popup") return 2;
  return 1;  // tray
}

}  // namespace

void ProgrammableDrive::Inquiry(Call& call) {
  const bool vital_product_data = call.cdb()[1] & 0x01;
  const uint8_t page = call.cdb()[2];
  Bytes data;
  if (!vital_product_data) {
    if (page != 0) throw kInvalidFieldInCdb;
    // A removable CD/DVD device answering to SPC-3, with the response data of SPC-2 on.
    data.U8(0x05).U8(0x80).U8(0x05).U8(0x02).U8(31).Zeros(3);
    data.Text(drive_.vendor, 8).Text(drive_.product, 16).Text(drive_.revision, 4);
  } else if (page == 0x00) {
    data.U8(0x05).U8(0x00).U16(2).U8(0x00).U8(0x80);  // the pages it has
  } else if (page == 0x80) {
    data.U8(0x05).U8(0x80).U16(static_cast<uint32_t>(drive_.serial.size()));
    data.Text(drive_.serial, drive_.serial.size());
  } else {
    throw kInvalidFieldInCdb;
  }
  Deliver(call.reply, std::move(data.data()), Get16(call.cdb(), 3));
}

std::vector<uint8_t> ProgrammableDrive::CapabilitiesPage() const {
  const bool dvd = drive_.Reads(Profile::kDvdRom);
  const bool accurate = drive_.audio_jitter_samples == 0;
  const double one_x = mechanics_ ? mechanics_->OneXKilobytesPerSecond() : 176.4;
  const double fastest = mechanics_ ? mechanics_->Speeds().back() : drive_.cd_speeds.back();
  const double current = mechanics_ ? mechanics_->SpeedX() : fastest;
  Bytes page;
  page.U8(kCapabilitiesPage).U8(0);
  page.U8(0x03 | (dvd ? 0x08 : 0)).U8(0x00);  // reads CD-R, CD-RW (and DVD-ROM); writes nothing
  page.U8(0x70);                              // multi-session, mode 2 form 1 and form 2
  page.U8((drive_.c2_pointers ? 0x10 : 0) | (accurate ? 0x02 : 0) | 0x01);  // CD-DA commands
  page.U8(LoadingMechanism(drive_.loader) << 5 | 0x08 | (locked_ ? 0x02 : 0) | 0x01);
  page.U8(0);
  page.U16(KilobytesPerSecond(fastest, one_x));
  page.U16(0);  // volume levels
  page.U16(static_cast<uint32_t>(drive_.buffer_kb));
  page.U16(KilobytesPerSecond(current, one_x));
  page.Zeros(2).U16(0).U16(0);  // it writes at no speed
  page.Zeros(4).U8(0).U8(drive_.spin == SpinMode::kCav ? 1 : 0);
  page.U16(0).U16(0);  // current write speed; no write speeds
  page.data()[1] = static_cast<uint8_t>(page.size() - 2);
  return std::move(page.data());
}

std::vector<uint8_t> ProgrammableDrive::ModePage(uint8_t page, uint8_t control) const {
  if (page == kErrorRecoveryPage) {
    std::vector<uint8_t> recovery(12, 0);
    recovery[0] = kErrorRecoveryPage;
    recovery[1] = 10;
    // Of it only the read retry count can be changed.
    recovery[3] = control == kChangeableValues ? 0xFF
                  : control == kCurrentValues  ? read_retries_
                                               : kDefaultReadRetries;
    return recovery;
  }
  std::vector<uint8_t> capabilities = CapabilitiesPage();
  // Nothing of it can be changed.
  if (control == kChangeableValues) std::fill(capabilities.begin() + 2, capabilities.end(), 0);
  return capabilities;
}

void ProgrammableDrive::ModeSense(Call& call) {
  const bool ten = call.cdb()[0] == kModeSense10;
  const uint8_t control = call.cdb()[2] >> 6;
  const uint8_t page = call.cdb()[2] & 0x3F;
  if (control == kSavedValues) throw kSavingNotSupported;
  std::vector<uint8_t> pages;
  for (const uint8_t code : {kErrorRecoveryPage, kCapabilitiesPage}) {
    if (page != code && page != kAllPages) continue;
    const std::vector<uint8_t> bytes = ModePage(code, control);
    pages.insert(pages.end(), bytes.begin(), bytes.end());
  }
  if (pages.empty()) throw kInvalidFieldInCdb;
  // The mode parameter header, without block descriptors (a multimedia device has none).
  Bytes data;
  if (ten) {
    data.U16(static_cast<uint32_t>(pages.size() + 6)).Zeros(6);
  } else {
    data.U8(static_cast<uint32_t>(pages.size() + 3)).Zeros(3);
  }
  data.Append(pages);
  Deliver(call.reply, std::move(data.data()), ten ? Get16(call.cdb(), 7) : call.cdb()[4]);
}

void ProgrammableDrive::ModeSelect(Call& call) {
  const bool ten = call.cdb()[0] == kModeSelect10;
  if (call.cdb()[1] & 0x01) throw kSavingNotSupported;
  const size_t length = ten ? Get16(call.cdb(), 7) : call.cdb()[4];
  const std::vector<uint8_t>& list = call.command.data_out;
  const size_t header = ten ? 8 : 4;
  if (list.size() < length || length < header) throw kInvalidFieldInParameters;
  const size_t descriptors = ten ? Get16(list, 6) : list[3];
  if (descriptors != 0) throw kInvalidFieldInParameters;
  // Every page must be one it can change, whole, before any of it is taken.
  std::optional<uint8_t> retries;
  for (size_t at = header; at < length;) {
    if (at + 2 > length || at + 2 + list[at + 1] > length) throw kInvalidFieldInParameters;
    if ((list[at] & 0x3F) != kErrorRecoveryPage || list[at + 1] != 10) {
      throw kInvalidFieldInParameters;
    }
    retries = list[at + 3];
    at += 2 + list[at + 1];
  }
  if (retries) read_retries_ = *retries;
}

void ProgrammableDrive::GetConfiguration(Call& call) {
  const uint8_t request = call.cdb()[1] & 0x03;
  const uint32_t start = Get16(call.cdb(), 2);
  if (request == 3) throw kInvalidFieldInCdb;
  const bool loaded = MediumReady();
  const Profile current = medium_.profile();
  const bool cd = loaded && IsCd(current);

  std::vector<Profile> profiles = drive_.profiles;
  std::sort(profiles.begin(), profiles.end(), std::greater<>());
  Bytes profile_list;
  for (const Profile profile : profiles) {
    profile_list.U16(static_cast<uint16_t>(profile)).U8(loaded && profile == current).U8(0);
  }
  const uint8_t mechanism = LoadingMechanism(drive_.loader) << 5 | 0x08 | 0x01;
  const uint16_t blocking = current == Profile::kBdRom ? 32 : current == Profile::kDvdRom ? 16 : 1;
  Bytes random_readable;
  random_readable.U32(kDataSectorBytes).U16(blocking).U8(0).U8(0);
  const uint8_t cd_read = drive_.c2_pointers ? 0x02 : 0x00;
  struct Entry {
    uint16_t code;
    uint8_t version;
    bool current;
    std::vector<uint8_t> body;
    bool present;
  };
  const Entry features[] = {
      {0x0000, 0, true, profile_list.data(), true},
      {0x0001, 2, true, {0, 0, 0, 1, 0, 0, 0, 0}, true},  // SCSI
      {0x0003, 2, true, {mechanism, 0, 0, 0}, true},
      {0x0010, 0, loaded, random_readable.data(), true},
      {0x001E, 2, cd, {cd_read, 0, 0, 0}, drive_.Reads(Profile::kCdRom)},
      {0x001F, 0, loaded && current == Profile::kDvdRom, {}, drive_.Reads(Profile::kDvdRom)},
      {0x0040, 0, loaded && current == Profile::kBdRom, {}, drive_.Reads(Profile::kBdRom)},
      // SET CD SPEED and the capabilities page.
      {0x0107, 3, loaded, {0x0C, 0, 0, 0}, true},
  };
  Bytes data;
  data.U32(0).U16(0).U16(loaded ? static_cast<uint16_t>(current) : 0);
  for (const Entry& feature : features) {
    if (!feature.present || feature.code < start) continue;
    if (request == 1 && !feature.current) continue;
    if (request == 2 && feature.code != start) continue;
    Feature(data, feature.code, feature.version, feature.current, feature.body);
  }
  data.Put32(0, static_cast<uint32_t>(data.size() - 4));
  Deliver(call.reply, std::move(data.data()), Get16(call.cdb(), 7));
}

void ProgrammableDrive::GetPerformance(Call& call) {
  const uint8_t type = call.cdb()[10];
  const bool write = call.cdb()[1] & 0x04;
  const bool exceptions = call.cdb()[1] & 0x03;
  if (type != 0x00 && type != 0x03) throw kInvalidFieldInCdb;
  const uint32_t most = Get16(call.cdb(), 8);
  const uint32_t last = static_cast<uint32_t>(Capacity() - 1);
  const double one_x = mechanics_->OneXKilobytesPerSecond();
  Bytes descriptors;
  if (type == 0x00 && !write && !exceptions) {
    // What it reads at now, from the first sector to the last.
    descriptors.U32(0).U32(KilobytesPerSecond(mechanics_->SpeedXAt(0), one_x));
    descriptors.U32(last).U32(KilobytesPerSecond(mechanics_->SpeedXAt(last), one_x));
  } else if (type == 0x03) {
    // The speeds it can be set to, fastest first, each as a read speed.
    const std::vector<double>& speeds = mechanics_->Speeds();
    for (auto speed = speeds.rbegin(); speed != speeds.rend(); ++speed) {
      descriptors.U8(drive_.spin == SpinMode::kCav ? 0x08 | 0x02 : 0x02).Zeros(3).U32(last);
      descriptors.U32(KilobytesPerSecond(*speed, one_x)).U32(0);
    }
  }
  std::vector<uint8_t>& list = descriptors.data();
  if (list.size() > size_t{most} * 16) list.resize(size_t{most} * 16);
  Bytes data;
  data.U32(static_cast<uint32_t>(list.size() + 4)).U8(type == 0 ? (write ? 2 : 0) : 0).Zeros(3);
  data.Append(list);
  Deliver(call.reply, std::move(data.data()), call.command.data_in_limit);
}

}  // namespace vantric::programmable
