#include "platform/win32/win32_disc_devices.h"

#include "platform/win32/win32_disc_file.h"
#include "platform/win32/win32_drive_commands.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_volume.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <ntddcdrm.h>

namespace vantric {
namespace {

constexpr int64_t kSectorBytes = 2048;

// The input of IOCTL_CDROM_GET_CONFIGURATION, which MinGW-w64's headers lack.
struct ConfigurationRequest {
  ULONG feature;       // 0: the profile list
  ULONG request_type;  // the one feature asked for
  void* reserved[2];
};
constexpr ULONG kOneFeature = 2;
// The answer's header: data length (4 bytes), reserved (2), current profile (2).
constexpr DWORD kHeaderBytes = 8;

HANDLE OpenShared(const std::string& path, DWORD access, DWORD flags) {
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, flags, nullptr);
}

std::string Failure(const std::string& what) {
  return what + " (" + Win32ErrorText(GetLastError()) + ")";
}

std::string NoDisc(const std::string& device) { return device + " reports no readable disc"; }

}  // namespace

// Any user may read a CD-ROM drive's volume.
std::string DeviceAccessStep() { return ""; }

std::vector<std::string> Win32DiscDevices::List() {
  std::vector<std::string> devices;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    if (GetDriveTypeA(root) == DRIVE_CDROM) devices.push_back({letter, ':'});
  }
  return devices;
}

std::string Win32DiscDevices::DiscProblem(const std::string& device) {
  NoCriticalErrorBoxes quiet;
  const std::string volume = VolumePath(device);
  if (volume.empty()) {
    WIN32_FILE_ATTRIBUTE_DATA image{};
    if (!GetFileAttributesExA(device.c_str(), GetFileExInfoStandard, &image)) {
      return Failure("cannot open " + device);
    }
    const bool empty = (image.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
                       (image.nFileSizeHigh == 0 && image.nFileSizeLow == 0);
    return empty ? NoDisc(device) : "";
  }
  // No access rights: the question needs none.
  const HANDLE drive = OpenShared(volume, 0, 0);
  if (drive == INVALID_HANDLE_VALUE) return Failure("cannot open " + volume);
  DWORD got = 0;
  const bool ready =
      DeviceIoControl(drive, IOCTL_STORAGE_CHECK_VERIFY2, nullptr, 0, nullptr, 0, &got, nullptr);
  const std::string problem = ready ? "" : Failure(NoDisc(device));
  CloseHandle(drive);
  return problem;
}

std::unique_ptr<DiscFile> Win32DiscDevices::Open(const std::string& device, std::string* why_not) {
  NoCriticalErrorBoxes quiet;
  const std::string volume = VolumePath(device);
  const std::string path = volume.empty() ? device : volume;
  const HANDLE disc = OpenShared(path, GENERIC_READ, FILE_FLAG_NO_BUFFERING);
  if (disc == INVALID_HANDLE_VALUE) {
    *why_not = Failure("cannot open " + path + " for unbuffered reading");
    return nullptr;
  }
  LARGE_INTEGER bytes{};
  bool sized;
  if (volume.empty()) {
    sized = GetFileSizeEx(disc, &bytes);
  } else {
    GET_LENGTH_INFORMATION length{};
    DWORD got = 0;
    sized = DeviceIoControl(disc, IOCTL_DISK_GET_LENGTH_INFO, nullptr, 0, &length, sizeof length,
                            &got, nullptr);
    bytes = length.Length;
  }
  if (!sized) *why_not = Failure("cannot learn the size of the disc in " + device);
  // A disc ends on a whole sector; anything after the last one cannot be read unbuffered.
  const int64_t whole = bytes.QuadPart / kSectorBytes * kSectorBytes;
  if (sized && whole <= 0) *why_not = NoDisc(device);
  if (!sized || whole <= 0) {
    CloseHandle(disc);
    return nullptr;
  }
  return std::make_unique<Win32DiscFile>(disc, whole, ReadMode::kDevice);
}

std::optional<uint16_t> Win32DiscDevices::CurrentProfile(const std::string& device) {
  const std::string volume = VolumePath(device);
  if (volume.empty()) return std::nullopt;
  NoCriticalErrorBoxes quiet;
  const HANDLE drive = OpenShared(volume, GENERIC_READ, 0);
  if (drive == INVALID_HANDLE_VALUE) return std::nullopt;
  ConfigurationRequest request{0, kOneFeature, {nullptr, nullptr}};
  unsigned char answer[64] = {};
  DWORD got = 0;
  const bool answered = DeviceIoControl(drive, IOCTL_CDROM_GET_CONFIGURATION, &request,
                                        sizeof request, answer, sizeof answer, &got, nullptr) &&
                        got >= kHeaderBytes;
  CloseHandle(drive);
  const auto profile = static_cast<uint16_t>(answer[6] << 8 | answer[7]);
  if (!answered || profile == 0) return std::nullopt;
  return profile;
}

std::optional<DriveIdentity> Win32DiscDevices::Identify(const std::string& device) {
  const std::string volume = VolumePath(device);
  if (volume.empty()) return std::nullopt;
  return IdentifyVolume(volume, volume.substr(4));
}

std::unique_ptr<DriveCommands> Win32DiscDevices::OpenCommands(const std::string& device,
                                                              std::string* why_not) {
  const std::string volume = VolumePath(device);
  if (volume.empty()) {
    *why_not = device + " is not a drive letter: it takes no drive commands";
    return nullptr;
  }
  NoCriticalErrorBoxes quiet;
  const HANDLE drive = OpenShared(volume, GENERIC_READ | GENERIC_WRITE, 0);
  if (drive == INVALID_HANDLE_VALUE) {
    *why_not = Failure("cannot open " + volume + " for drive commands");
    return nullptr;
  }
  return std::make_unique<Win32DriveCommands>(drive);
}

std::string Win32DiscDevices::BusOf(const std::string& device) {
  const std::string volume = VolumePath(device);
  return volume.empty() ? "" : BusOfVolume(volume);
}

}  // namespace vantric
