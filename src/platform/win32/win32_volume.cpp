#include "platform/win32/win32_volume.h"

#include <cstring>
#include <vector>

#include "platform/path_components.h"
#include "platform/win32/windows_api.h"

namespace vantric {
namespace {

std::string DescriptorText(const std::vector<char>& data, DWORD offset) {
  if (offset == 0 || offset >= data.size()) return "";
  std::string text(data.data() + offset, strnlen(data.data() + offset, data.size() - offset));
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string VolumePath(const std::string& device) {
  const bool letter = (device.size() == 2 || (device.size() == 3 && device[2] == '\\')) &&
                      IsLetter(device[0]) && device[1] == ':';
  return letter ? std::string{'\\', '\\', '.', '\\', UpperAscii(device[0]), ':'} : "";
}

// The drive's STORAGE_DEVICE_DESCRIPTOR with the texts after it; nothing when it does not
// answer.
std::optional<std::vector<char>> DeviceDescriptor(const std::string& volume) {
  NoCriticalErrorBoxes quiet;
  // No access rights: a query of the device's properties needs none, and needs no disc.
  const HANDLE drive = CreateFileA(volume.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
  if (drive == INVALID_HANDLE_VALUE) return std::nullopt;
  STORAGE_PROPERTY_QUERY query{};
  query.PropertyId = StorageDeviceProperty;
  query.QueryType = PropertyStandardQuery;
  std::vector<char> data(1024);
  DWORD got = 0;
  const bool answered =
      DeviceIoControl(drive, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, data.data(),
                      static_cast<DWORD>(data.size()), &got, nullptr) &&
      got >= sizeof(STORAGE_DEVICE_DESCRIPTOR);
  CloseHandle(drive);
  if (!answered) return std::nullopt;
  data.resize(got);
  return data;
}

std::optional<DriveIdentity> IdentifyVolume(const std::string& volume, const std::string& name) {
  const std::optional<std::vector<char>> data = DeviceDescriptor(volume);
  if (!data) return std::nullopt;
  const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(data->data());
  DriveIdentity identity{name, DescriptorText(*data, descriptor->VendorIdOffset),
                         DescriptorText(*data, descriptor->ProductIdOffset),
                         DescriptorText(*data, descriptor->ProductRevisionOffset)};
  if (identity.vendor.empty() && identity.model.empty()) return std::nullopt;
  return identity;
}

std::string BusOfVolume(const std::string& volume) {
  const std::optional<std::vector<char>> data = DeviceDescriptor(volume);
  if (!data) return "";
  return BusTypeName(reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(data->data())->BusType);
}

std::string BusTypeName(int bus_type) {
  switch (bus_type) {
    case BusTypeScsi:
      return "SCSI";
    case BusTypeAtapi:
    case BusTypeAta:
      return "ATA";
    case BusType1394:
      return "FireWire";
    case BusTypeUsb:
      return "USB";
    case BusTypeSata:
      return "SATA";
    case BusTypeSas:
      return "SAS";
    default:
      return "";
  }
}

NoCriticalErrorBoxes::NoCriticalErrorBoxes() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}

NoCriticalErrorBoxes::~NoCriticalErrorBoxes() { SetErrorMode(previous_); }

}  // namespace vantric
