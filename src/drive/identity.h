#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/disc_devices.h"

namespace vantric {

class Mmc;

// What INQUIRY says of a drive: its peripheral device type (5 for a CD/DVD/BD drive) and its
// names, without the blanks that pad them.
struct InquiryData {
  uint8_t device_type = 0;
  std::string vendor;
  std::string model;
  std::string revision;
};

// Nothing for an answer too short to hold the names (36 bytes).
std::optional<InquiryData> ParseInquiry(std::span<const uint8_t> data);
// The unit serial number of VPD page 80h; nothing when the page is another or the number is
// blank, as many drives leave it.
std::optional<std::string> ParseUnitSerial(std::span<const uint8_t> data);

// The same asked of the drive; nothing when it does not answer.
std::optional<InquiryData> ReadInquiry(Mmc& mmc);
std::optional<std::string> ReadUnitSerial(Mmc& mmc);

// The drive at `device` as it names itself to INQUIRY, where it takes commands; otherwise as
// the system names it. Nothing when neither says.
std::optional<DriveIdentity> NameDrive(DiscDevices& devices, const std::string& device);

// The text of a fixed-width ASCII field: its blanks and NULs cut off both ends, anything not
// printable replaced by '?'.
std::string FieldText(std::span<const uint8_t> field);

}  // namespace vantric
