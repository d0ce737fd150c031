#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "drive/mmc.h"
#include "modelled_drive.h"
#include "platform/disc_devices.h"
#include "sim/machine.h"
#include "sim/table_drives.h"
#include "temp_dir.h"
#include "test_media.h"

namespace vantric::testing {

// Three audio tracks of 3,000 sectors, the second and third after pregaps of 150.
inline programmable::DiscPlan AudioPlan() {
  programmable::DiscPlan plan;
  plan.seed = 7;
  for (int64_t pregap : {0, 150, 150}) {
    plan.tracks.push_back({programmable::TrackMode::kAudio, 3000, pregap, 1});
  }
  return plan;
}
inline constexpr int64_t kAudioPlanSectors = 9300;

// One audio track of `sectors` of silence: an image that holds nothing, however long the disc.
struct SilentAudio {
  int64_t sectors = 0;
};

// The one drive the modelled machine has, /dev/sr0: its commands go to the modelled drive.
class ModelledDevices : public DiscDevices {
 public:
  ModelledDevices(ModelledDrive& commands, const programmable::DriveDescription& description)
      : commands_(commands), description_(description) {}

  std::vector<std::string> List() override { return {"/dev/sr0"}; }
  std::string DiscProblem(const std::string& device) override {
    return device == "/dev/sr0" ? "" : device + " is no optical drive";
  }
  std::unique_ptr<DiscFile> Open(const std::string& device, std::string* why_not) override {
    *why_not = device + " is read here only through its commands";
    return nullptr;
  }
  std::optional<uint16_t> CurrentProfile(const std::string&) override { return kProfileCdRom; }
  std::optional<DriveIdentity> Identify(const std::string& device) override {
    return DriveIdentity{device, description_.vendor, description_.product, description_.revision};
  }
  std::unique_ptr<DriveCommands> OpenCommands(const std::string&, std::string*) override {
    return std::make_unique<Forward>(commands_);
  }

 private:
  struct Forward : DriveCommands {
    explicit Forward(DriveCommands& to) : to(to) {}
    CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction,
                      std::span<uint8_t> data, unsigned timeout_ms) override {
      return to.Send(cdb, direction, data, timeout_ms);
    }
    std::string ErrorText(int error) const override { return to.ErrorText(error); }
    DriveCommands& to;
  };

  ModelledDrive& commands_;
  const programmable::DriveDescription& description_;
};

// A disc of `plan` with `faults` ("damaged = 4000-4009") in a drive of `description`, and the
// machine the program sees it on: the modelled drive's clock and /dev/sr0.
class AudioRig {
 public:
  AudioRig(const programmable::DriveDescription& description,
           const programmable::DiscPlan& plan = AudioPlan(),
           const std::vector<std::string>& faults = {})
      : drive_(description, MakeMedium(dir_, plan, faults)),
        commands(drive_),
        clock(commands),
        devices(commands, drive_.description()),
        machine(clock, drives_, &devices),
        mmc(commands) {}
  AudioRig(const programmable::DriveDescription& description, SilentAudio disc)
      : drive_(description, MakeSilentMedium(dir_, disc)),
        commands(drive_),
        clock(commands),
        devices(commands, drive_.description()),
        machine(clock, drives_, &devices),
        mmc(commands) {}

  std::string Path(const std::string& name) const { return dir_ / name; }

 private:
  static programmable::Medium MakeMedium(const TempDir& dir, const programmable::DiscPlan& plan,
                                         const std::vector<std::string>& faults) {
    programmable::WriteTestMedium(dir / "disc.medium", dir / "disc.img", plan);
    std::ofstream description(dir / "disc.medium", std::ios::app);
    for (const std::string& fault : faults) description << fault << "\n";
    description.close();
    return programmable::Medium::Load(dir / "disc.medium");
  }

  static programmable::Medium MakeSilentMedium(const TempDir& dir, SilentAudio disc) {
    std::ofstream(dir / "silent.img").close();
    std::ofstream(dir / "silent.medium")
        << "profile = cd-rom\nimage = silent.img\ntrack = audio " << disc.sectors << "\n";
    return programmable::Medium::Load(dir / "silent.medium");
  }

  TempDir dir_{"audio"};
  programmable::ProgrammableDrive drive_;
  TableDrives drives_;

 public:
  ModelledDrive commands;
  ModelledClock clock;
  ModelledDevices devices;
  Machine machine;
  Mmc mmc;
};

}  // namespace vantric::testing
