#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/disc_file.h"
#include "platform/drive_commands.h"
#include "platform/drives.h"

namespace vantric {

// The current profiles of the pressed discs, as GET CONFIGURATION numbers them; the recordable
// kinds of each medium follow in their own ranges.
inline constexpr uint16_t kProfileCdRom = 0x0008;
inline constexpr uint16_t kProfileDvdRom = 0x0010;
inline constexpr uint16_t kProfileBdRom = 0x0040;

// The optical drives as devices, for reading whatever disc a drive holds from its first sector
// to its last, where the benchmark reads one test file on it. A drive is named as the system
// names it: "/dev/sr0" on Linux, "E:" on Windows.
class DiscDevices {
 public:
  virtual ~DiscDevices() = default;

  // Stands in for GetDriveTypeA on every letter: the optical drives, whether or not they hold a
  // disc.
  virtual std::vector<std::string> List() = 0;
  // Stands in for IOCTL_STORAGE_CHECK_VERIFY2: empty when the drive holds a disc it can read,
  // otherwise what keeps it from being read (no disc; no permission to open the device, and who
  // has it). Asked without waiting for the drive or closing its tray.
  virtual std::string DiscProblem(const std::string& device) = 0;
  // Stands in for CreateFileA on "\\.\E:" with FILE_FLAG_NO_BUFFERING, and
  // IOCTL_DISK_GET_LENGTH_INFO for the disc's size. nullptr, with the reason in *why_not, when
  // the disc cannot be read unbuffered.
  virtual std::unique_ptr<DiscFile> Open(const std::string& device, std::string* why_not) = 0;
  // Stands in for IOCTL_CDROM_GET_CONFIGURATION: the drive's current profile, the kind of disc
  // it holds as the drive commands of the MMC standard number them; nothing when the drive does
  // not say.
  virtual std::optional<uint16_t> CurrentProfile(const std::string& device) = 0;
  // The drive as it names itself; nothing when it does not.
  virtual std::optional<DriveIdentity> Identify(const std::string& device) = 0;
  // Stands in for CreateFileA on "\\.\E:" with read and write access, for
  // IOCTL_SCSI_PASS_THROUGH_DIRECT: the drive opened for its own commands. nullptr, with the
  // reason in *why_not, when the system will not pass them (no permission, no such drive).
  virtual std::unique_ptr<DriveCommands> OpenCommands(const std::string& device,
                                                      std::string* why_not) {
    *why_not = device + " takes no drive commands";
    return nullptr;
  }
  // The bus the drive is on ("SATA", "USB"), where the system says; empty otherwise.
  virtual std::string BusOf(const std::string& /*device*/) { return ""; }
};

// What this system asks of a user before a drive's device can be read, as a step to take; empty
// when it asks nothing.
std::string DeviceAccessStep();

}  // namespace vantric
