#include "drive/identity.h"

#include <algorithm>

#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr uint16_t kInquiryBytes = 96;
constexpr uint8_t kUnitSerialPage = 0x80;
constexpr uint16_t kSerialBytes = 255;

}  // namespace

std::string FieldText(std::span<const uint8_t> field) {
  // A NUL pads a field as a blank does.
  const auto padding = [](uint8_t byte) { return byte == ' ' || byte == 0; };
  size_t first = 0, last = field.size();
  while (first < last && padding(field[first])) ++first;
  while (last > first && padding(field[last - 1])) --last;
  std::string text;
  for (size_t i = first; i < last; ++i) {
    text += field[i] >= 0x20 && field[i] < 0x7F ? static_cast<char>(field[i]) : '?';
  }
  return text;
}

std::optional<InquiryData> ParseInquiry(std::span<const uint8_t> data) {
  if (data.size() < 36) return std::nullopt;
  return InquiryData{static_cast<uint8_t>(data[0] & 0x1F), FieldText(data.subspan(8, 8)),
                     FieldText(data.subspan(16, 16)), FieldText(data.subspan(32, 4))};
}

std::optional<std::string> ParseUnitSerial(std::span<const uint8_t> data) {
  if (data.size() < 4 || data[1] != 0x80) return std::nullopt;
  const size_t length = std::min<size_t>(data[3], data.size() - 4);
  const std::string serial = FieldText(data.subspan(4, length));
  if (serial.empty()) return std::nullopt;
  return serial;
}

std::optional<InquiryData> ReadInquiry(Mmc& mmc) {
  const MmcAnswer answer = mmc.Ask(InquiryCdb(kInquiryBytes), kInquiryBytes);
  return answer.ok ? ParseInquiry(answer.data) : std::nullopt;
}

std::optional<std::string> ReadUnitSerial(Mmc& mmc) {
  const MmcAnswer answer = mmc.Ask(InquiryCdb(kSerialBytes, kUnitSerialPage), kSerialBytes);
  return answer.ok ? ParseUnitSerial(answer.data) : std::nullopt;
}

std::optional<DriveIdentity> NameDrive(DiscDevices& devices, const std::string& device) {
  std::string why_not;
  if (const std::unique_ptr<DriveCommands> commands = devices.OpenCommands(device, &why_not)) {
    Mmc mmc(*commands);
    if (const std::optional<InquiryData> inquiry = ReadInquiry(mmc)) {
      return DriveIdentity{device, inquiry->vendor, inquiry->model, inquiry->revision};
    }
  }
  return devices.Identify(device);
}

}  // namespace vantric
