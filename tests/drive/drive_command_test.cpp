// vantric-cli's drive commands against the programmable drive's model, standing in for the
// simulated drive's own commands: `info`, and the read speed held for every kind of run and set
// back to the fastest after it, also after a cancel.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/info_command.h"
#include "cli/interrupt.h"
#include "drive/drive_speed.h"
#include "json_reader.h"
#include "modelled_drive.h"
#include "named_drives.h"
#include "sim/simulation.h"
#include "sim_rig.h"
#include "temp_dir.h"
#include "test_media.h"

namespace vantric::testing {
namespace {

namespace fs = std::filesystem;
using programmable::DriveDescription;
using programmable::Medium;
using programmable::ProgrammableDrive;

struct CliRun {
  int code;
  std::string out, err;
};

// The simulated 8X drive, reading its discs as ever, that answers its own commands as the 24X
// model does, on the simulation's clock.
class ModelledMachine {
 public:
  explicit ModelledMachine(const std::string& refuse = "") {
    const fs::path models = VANTRIC_DRIVE_MODELS;
    description_ = DriveDescription::Load((models / "24x-cav.model").string());
    if (!refuse.empty()) {
      description_.refused = {static_cast<uint8_t>(std::stoi(refuse, nullptr, 16))};
    }
    programmable::DiscPlan plan;
    plan.tracks = {{programmable::TrackMode::kData, 20'000, 0, 1}};
    programmable::WriteTestMedium(dir_.path() + "/disc.medium", dir_.path() + "/disc.img", plan);
    drive_.emplace(description_, Medium::Load(dir_.path() + "/disc.medium"));
    modelled_.emplace(*drive_, &simulation_->clock());
    simulation_->disc_devices().SetCommands(
        kSimulatedDevice, [this] { return std::make_unique<OpenedModelledDrive>(*modelled_); });
    machine_.emplace(simulation_->clock(), drives_, &simulation_->disc_devices());
  }

  CliRun Run(const std::vector<std::string>& arguments) {
    CliOptions options;
    EXPECT_EQ(ParseCliOptions(arguments, &options), std::nullopt);
    std::ostringstream out, err;
    const int code = RunCliOn(options, *machine_, out, err, false);
    return {code, out.str(), err.str()};
  }
  // The speed the drive reads at now, in CD X.
  double SpeedNow() {
    Mmc mmc(*modelled_);
    return DriveSpeed(mmc, DiscMedium::kCd, 20'000).Current().value_or(0);
  }
  Machine& machine() { return *machine_; }
  Simulation& simulation() { return *simulation_; }
  const DriveDescription& description() const { return description_; }
  const std::string& dir() const { return dir_.path(); }

 private:
  TempDir dir_{"modelled-machine"};
  DriveDescription description_;
  std::optional<ProgrammableDrive> drive_;
  std::unique_ptr<Simulation> simulation_ = SimulationOf("8x-clv");
  std::optional<ModelledDrive> modelled_;
  // The test file is on a drive the system names by its device.
  NamedDrives drives_{simulation_->drives(), {kSimulatedDevice, "SYSTEM", "NAME", "0"}};
  std::optional<Machine> machine_;
};

// 10X asked of a drive that has 8X and 16X is 8X, named on stderr and in the file, for the
// benchmark, the curve, the access tests and the whole disc's curve; after each, and after a
// cancelled one, the drive reads at its fastest again.
TEST(DriveCommandTest, TheSpeedIsHeldForEveryKindOfRunAndSetBackAfterIt) {
  ModelledMachine rig;
  const std::string json = rig.dir() + "/out.json";
  const double fastest = rig.description().cd_speeds.back();
  const std::vector<std::vector<std::string>> runs = {{"--tests", "seekrand", "--json", json},
                                                      {"--curve", json},
                                                      {"--whole-disc", "--json", json},
                                                      {"--whole-disc", "--curve", json}};
  for (bool cancel : {false, true}) {
    for (std::vector<std::string> arguments : runs) {
      SCOPED_TRACE(arguments[1] + (cancel ? ", cancelled" : ""));
      fs::remove(json);
      arguments.insert(arguments.end(), {"--speed", "10"});
      SetInterruptRequested(cancel);
      const CliRun run = rig.Run(arguments);
      SetInterruptRequested(false);
      EXPECT_EQ(run.code, cancel ? kExitCancelled : kExitCompleted) << run.err;
      EXPECT_NE(run.err.find("Read speed: 10X asked, 8.0X set by the drive (CD)\n"),
                std::string::npos)
          << run.err;
      EXPECT_NEAR(rig.SpeedNow(), fastest, 0.01);
      if (cancel) {
        EXPECT_FALSE(fs::exists(json));
        continue;
      }
      const JsonObject file = ParseFlatJson(FileText(json));
      EXPECT_EQ(file.at("ReadSpeed.Asked"), JsonValue(std::string("10X")));
      EXPECT_EQ(file.at("ReadSpeed.AskedX"), JsonValue(10.0));
      EXPECT_NEAR(std::get<double>(file.at("ReadSpeed.X")), 8, 0.01);
      EXPECT_EQ(file.at("Drive.Model"), JsonValue(rig.description().product));
    }
  }
  // The access tests time the spin-up through the drive's commands, on the machine's clock.
  ASSERT_EQ(rig.Run({"--whole-disc", "--json", json}).code, kExitCompleted);
  const JsonObject file = ParseFlatJson(FileText(json));
  EXPECT_GT(std::get<double>(file.at("SpinUpTime")), rig.description().spin_up_seconds * 1000);
  EXPECT_NEAR(std::get<double>(file.at("SpinDownTime")), rig.description().spin_down_seconds * 1000,
              1e-3);
}

// A drive that refuses the speed stops the run before it reads anything, unless the fastest was
// asked for: then the run goes on at the drive's own speed and says so.
TEST(DriveCommandTest, ARefusedSpeedStopsTheRunUnlessMaxWasAsked) {
  ModelledMachine rig("bb");
  for (const std::vector<std::string>& kind :
       std::vector<std::vector<std::string>>{{"--tests", "seekrand"}, {"--whole-disc"}}) {
    std::vector<std::string> arguments = kind;
    arguments.insert(arguments.end(), {"--speed", "4"});
    const CliRun refused = rig.Run(arguments);
    EXPECT_EQ(refused.code, kExitFailed);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("The read speed 4X cannot be set: the drive refused it: illegal "
                               "request, invalid command operation code (05/20/00). Nothing was "
                               "measured; --speed max goes on at the drive's own speed.\n"),
              std::string::npos)
        << refused.err;
    arguments.back() = "max";
    const CliRun at_max = rig.Run(arguments);
    EXPECT_EQ(at_max.code, kExitCompleted) << at_max.err;
    EXPECT_NE(at_max.err.find("Read speed: max asked; the drive reads at its own speed (the drive "
                              "refused it: "),
              std::string::npos)
        << at_max.err;
  }
}

// info asks the one drive there is, or the one --device names; with several, or none, it says
// which and how to name one.
TEST(DriveCommandTest, InfoAsksTheOneDriveOrSaysWhichToName) {
  ModelledMachine rig;
  std::ostringstream out, err;
  ASSERT_EQ(RunInfoOn("", "-", rig.machine(), out, err), kExitCompleted) << err.str();
  const JsonObject json = ParseFlatJson(out.str());
  EXPECT_EQ(json.at("Drive.Model"), JsonValue(rig.description().product));
  EXPECT_EQ(json.at("Disc.Sectors"), JsonValue(20'000.0));

  const auto refused = [&rig](const std::string& device) {
    std::ostringstream out, err;
    EXPECT_EQ(RunInfoOn(device, "", rig.machine(), out, err), kExitFailed);
    EXPECT_EQ(out.str(), "");
    return err.str();
  };
  // A second drive without a disc leaves the one with a disc to ask.
  TableDiscDevices& devices = rig.simulation().disc_devices();
  devices.SetDrive({"E:", nullptr, std::nullopt, std::nullopt});
  std::ostringstream text, unused;
  EXPECT_EQ(RunInfoOn("", "", rig.machine(), text, unused), kExitCompleted);
  EXPECT_TRUE(text.str().starts_with("Device:             D:\n")) << text.str();
  EXPECT_EQ(refused("E:"), "E: takes no drive commands.\n");
  devices.SetDrive({"E:", [] { return std::unique_ptr<DiscFile>(); }, std::nullopt, std::nullopt});
  EXPECT_EQ(refused(""), "Several drives hold a disc (D:, E:): name one with --device.\n");
  devices.SetDrive({"D:", nullptr, std::nullopt, std::nullopt});
  devices.SetDrive({"E:", nullptr, std::nullopt, std::nullopt});
  EXPECT_EQ(refused(""),
            "Several optical drives (D:, E:), none with a disc: name one with --device.\n");
  TableDiscDevices none;
  Machine empty(rig.simulation().clock(), rig.simulation().drives(), &none);
  std::ostringstream out_none, err_none;
  EXPECT_EQ(RunInfoOn("", "", empty, out_none, err_none), kExitFailed);
  EXPECT_EQ(err_none.str(), "No optical drive found.\n");
}

}  // namespace
}  // namespace vantric::testing
