#pragma once

#include <optional>
#include <string>

#include "platform/drives.h"

namespace vantric {

// A drive letter as a device: "E:", "e:" and "E:\" all name "\\.\E:". Empty when `device` is no
// drive letter (a file standing in for a disc, or a device path already).
std::string VolumePath(const std::string& device);

// The drive's vendor, product and revision as it reports them (IOCTL_STORAGE_QUERY_PROPERTY on
// `volume`, a path such as "\\.\E:"); nothing for a drive that does not answer. The identity's
// device is `name`.
std::optional<DriveIdentity> IdentifyVolume(const std::string& volume, const std::string& name);

// The bus the drive is on, as IOCTL_STORAGE_QUERY_PROPERTY reports it; empty when it does not.
std::string BusOfVolume(const std::string& volume);
// The name of a STORAGE_BUS_TYPE: "ATA", "SATA", "USB", ...; empty for one without a name.
std::string BusTypeName(int bus_type);

// A drive without a disc must answer "not there", not raise the system's "insert a disk" box.
class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes();
  ~NoCriticalErrorBoxes();
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  unsigned int previous_;
};

}  // namespace vantric
