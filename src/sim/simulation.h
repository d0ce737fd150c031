#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/test_positions.h"
#include "sim/drive_faults.h"
#include "sim/drive_model.h"
#include "sim/drive_profiles.h"
#include "sim/table_disc_devices.h"
#include "sim/table_drives.h"
#include "sim/virtual_clock.h"

namespace vantric {

// The cost of one counter reading on the simulated machine, in ns: a slow CPU. The CPU tests
// busy-poll the counter for about 80 s of virtual time in a full run, so this sets both the
// calibration (1000 polls per ms) and how long a simulated run takes for real.
inline constexpr int64_t kSimulatedPollNanoseconds = 1000;
inline constexpr int64_t kSimulatedTestFileBytes = kFullTestFileBytes;
inline constexpr const char* kSimulatedTestFilePath = "D:\\DATA\\VANTRIC.DAT";

// Everything a front end needs for --simulate PROFILE: a virtual clock, and a drive table in
// which D: is a CD-ROM drive holding the test file on a simulated drive of the profile. The
// same drive, as a device, holds a whole disc of the profile's medium and size.
class Simulation {
 public:
  explicit Simulation(const DriveProfile& profile,
                      int64_t test_file_bytes = kSimulatedTestFileBytes);
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  VirtualClock& clock() { return clock_; }
  TableDrives& drives() { return drives_; }
  TableDiscDevices& disc_devices() { return disc_devices_; }
  DriveModel& drive() { return drive_; }
  // What the drive fails to read: the profile's, unless a test sets others.
  DriveFaults& faults() { return faults_; }
  const DriveProfile& profile() const { return profile_; }

  // Puts a whole disc of `bytes` in the drive, of the kind the drive's current profile names
  // (nothing: the drive does not say).
  void InsertWholeDisc(int64_t bytes, std::optional<uint16_t> profile);

 private:
  const DriveProfile& profile_;
  VirtualClock clock_;
  DriveModel drive_;
  DriveFaults faults_;
  TableDrives drives_;
  TableDiscDevices disc_devices_;
};

// The device name of the simulated drive.
inline constexpr const char* kSimulatedDevice = "D:";

// Makes the simulation of the named profile; nullptr with a message in *error when the name
// is unknown or the file length is not a positive number of whole sectors.
std::unique_ptr<Simulation> MakeSimulation(std::string_view profile_name, std::string* error,
                                           int64_t test_file_bytes = kSimulatedTestFileBytes);

}  // namespace vantric
