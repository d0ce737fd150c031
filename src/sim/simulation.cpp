#include "sim/simulation.h"

#include "sim/simulated_disc_file.h"

namespace vantric {

Simulation::Simulation(const DriveProfile& profile, int64_t test_file_bytes)
    : profile_(profile),
      clock_(VirtualClock::kDefaultFrequency, kSimulatedPollNanoseconds),
      drive_(profile.parameters),
      faults_(profile.faults) {
  drive_.UseFaults(&faults_);
  drives_.SetDriveType('D', DRIVE_CDROM);
  drives_.AddFile(kSimulatedTestFilePath, [this, test_file_bytes] {
    return std::make_unique<SimulatedDiscFile>(clock_, drive_, test_file_bytes, faults_);
  });
  InsertWholeDisc(profile.parameters.disc_sectors * 2048,
                  PressedDiscProfile(profile.parameters.medium));
}

void Simulation::InsertWholeDisc(int64_t bytes, std::optional<uint16_t> profile) {
  disc_devices_.SetDrive({kSimulatedDevice,
                          [this, bytes] {
                            return std::make_unique<SimulatedDiscFile>(clock_, drive_, bytes,
                                                                       faults_);
                          },
                          profile, std::nullopt});
}

std::unique_ptr<Simulation> MakeSimulation(std::string_view profile_name, std::string* error,
                                           int64_t test_file_bytes) {
  const DriveProfile* profile = FindDriveProfile(profile_name);
  if (profile == nullptr) {
    std::string names;
    for (const DriveProfile& known : DriveProfiles()) {
      names += names.empty() ? "" : ", ";
      names += known.name;
    }
    if (error) {
      *error = "Unknown simulated drive \"" + std::string(profile_name) + "\"; choose one of " +
               names + ".";
    }
    return nullptr;
  }
  if (test_file_bytes <= 0 || test_file_bytes % 2048 != 0) {
    if (error) {
      *error =
          "The simulated test file must be a positive whole number of 2048-byte sectors, "
          "not " +
          std::to_string(test_file_bytes) + " bytes.";
    }
    return nullptr;
  }
  return std::make_unique<Simulation>(*profile, test_file_bytes);
}

}  // namespace vantric
