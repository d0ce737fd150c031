#include "sim/table_disc_devices.h"

namespace vantric {

void TableDiscDevices::SetDrive(Drive drive) {
  for (Drive& known : drives_) {
    if (known.device == drive.device) {
      known = std::move(drive);
      return;
    }
  }
  drives_.push_back(std::move(drive));
}

const TableDiscDevices::Drive* TableDiscDevices::Find(const std::string& device) const {
  for (const Drive& drive : drives_) {
    if (drive.device == device) return &drive;
  }
  return nullptr;
}

std::vector<std::string> TableDiscDevices::List() {
  std::vector<std::string> devices;
  for (const Drive& drive : drives_) devices.push_back(drive.device);
  return devices;
}

std::string TableDiscDevices::DiscProblem(const std::string& device) {
  const Drive* drive = Find(device);
  if (drive == nullptr) return "there is no drive " + device;
  return drive->open ? "" : device + " reports no readable disc";
}

std::unique_ptr<DiscFile> TableDiscDevices::Open(const std::string& device, std::string* why_not) {
  *why_not = DiscProblem(device);
  return why_not->empty() ? Find(device)->open() : nullptr;
}

std::optional<uint16_t> TableDiscDevices::CurrentProfile(const std::string& device) {
  const Drive* drive = Find(device);
  return drive != nullptr ? drive->profile : std::nullopt;
}

std::optional<DriveIdentity> TableDiscDevices::Identify(const std::string& device) {
  const Drive* drive = Find(device);
  return drive != nullptr ? drive->identity : std::nullopt;
}

void TableDiscDevices::SetCommands(const std::string& device, CommandsOpener open) {
  commands_.emplace_back(device, std::move(open));
}

std::unique_ptr<DriveCommands> TableDiscDevices::OpenCommands(const std::string& device,
                                                              std::string* why_not) {
  for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
    if (it->first == device && Find(device) != nullptr) return it->second();
  }
  return DiscDevices::OpenCommands(device, why_not);
}

}  // namespace vantric
