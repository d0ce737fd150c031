#include "platform/win32/win32_drives.h"

#include <malloc.h>

#include "platform/path_components.h"
#include "platform/win32/win32_disc_file.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace vantric {
namespace {

constexpr DWORD kProbeBytes = 2048;  // one sector, the smallest read the tests make
constexpr size_t kProbeAlignment = 4096;

std::string FullPath(const std::string& folder) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(folder.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : folder;
}

uint32_t SystemDriveType(char letter) {
  const char root[] = {letter, ':', '\\', '\0'};
  return GetDriveTypeA(root);
}

// A drive without a disc must answer "not there", not raise the system's "insert a disk" box.
class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~NoCriticalErrorBoxes() { SetErrorMode(previous_); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  UINT previous_;
};

HANDLE OpenForReading(const std::string& path, DWORD flags) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | flags, nullptr);
}

// One real read settles whether the file system and the drive take unbuffered 2 KB reads.
DWORD UnbufferedReadError(HANDLE file) {
  void* buffer = _aligned_malloc(kProbeAlignment, kProbeAlignment);
  if (buffer == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  DWORD got = 0;
  const DWORD error = ReadFile(file, buffer, kProbeBytes, &got, nullptr) ? 0 : GetLastError();
  _aligned_free(buffer);
  LARGE_INTEGER start{};
  SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
  return error;
}

std::string DescriptorText(const std::vector<char>& data, DWORD offset) {
  if (offset == 0 || offset >= data.size()) return "";
  std::string text(data.data() + offset, strnlen(data.data() + offset, data.size() - offset));
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

}  // namespace

Win32Drives::Win32Drives(std::vector<std::string> drive_folders) {
  for (std::string& folder : drive_folders) folder = FullPath(folder);
  folders_ = AssignDriveFolders(drive_folders, SystemDriveType);
}

const DriveFolder* Win32Drives::FolderOf(const std::string& path) const {
  if (path.size() < 2 || path[1] != ':') return nullptr;
  for (const DriveFolder& folder : folders_) {
    if (folder.letter == UpperAscii(path[0])) return &folder;
  }
  return nullptr;
}

uint32_t Win32Drives::GetDriveType(const std::string& root) {
  if (FolderOf(root) != nullptr) return DRIVE_CDROM;
  return GetDriveTypeA(root.c_str());
}

std::string Win32Drives::LocalPath(const std::string& path) {
  const DriveFolder* folder = FolderOf(path);
  return folder != nullptr ? PathUnderFolder(folder->root, path) : path;
}

bool Win32Drives::CanOpenForReading(const std::string& path) {
  const std::string local = LocalPath(path);
  if (local.empty()) return false;
  NoCriticalErrorBoxes quiet;
  const HANDLE file = OpenForReading(local, 0);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

std::unique_ptr<DiscFile> Win32Drives::OpenUnbuffered(const std::string& path) {
  last_open_note_.clear();
  const std::string local = LocalPath(path);
  if (local.empty()) return nullptr;
  NoCriticalErrorBoxes quiet;
  const HANDLE file = OpenForReading(local, FILE_FLAG_NO_BUFFERING);
  if (file == INVALID_HANDLE_VALUE) {
    last_open_note_ =
        local + " cannot be opened for unbuffered reading (" + Win32ErrorText(GetLastError()) + ")";
    return nullptr;
  }
  LARGE_INTEGER size{};
  DWORD error = GetFileSizeEx(file, &size) ? 0 : GetLastError();
  if (error == 0) error = UnbufferedReadError(file);
  if (error != 0) {
    last_open_note_ = local + " refuses unbuffered reads of 2 KB (" + Win32ErrorText(error) + ")";
    CloseHandle(file);
    return nullptr;
  }
  return std::make_unique<Win32DiscFile>(file, size.QuadPart);
}

std::optional<DriveIdentity> Win32Drives::IdentifyDrive(const std::string& path) {
  if (path.size() < 2 || path[1] != ':' || FolderOf(path) != nullptr) return std::nullopt;
  const std::string device = {'\\', '\\', '.', '\\', UpperAscii(path[0]), ':'};
  NoCriticalErrorBoxes quiet;
  // No access rights: a query of the device's properties needs none, and needs no disc.
  const HANDLE drive = CreateFileA(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
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
  const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(data.data());
  DriveIdentity identity{device.substr(4), DescriptorText(data, descriptor->VendorIdOffset),
                         DescriptorText(data, descriptor->ProductIdOffset),
                         DescriptorText(data, descriptor->ProductRevisionOffset)};
  if (identity.vendor.empty() && identity.model.empty()) return std::nullopt;
  return identity;
}

}  // namespace vantric
