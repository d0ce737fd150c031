#include "platform/win32/win32_drives.h"

#include <malloc.h>

#include "platform/path_components.h"
#include "platform/win32/win32_disc_file.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_volume.h"
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
  const std::string volume = VolumePath(path.substr(0, 2));
  if (volume.empty()) return std::nullopt;
  return IdentifyVolume(volume, volume.substr(4));
}

}  // namespace vantric
