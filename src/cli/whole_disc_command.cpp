#include "cli/whole_disc_command.h"

#include "cli/cli_app.h"
#include "cli/curve_command.h"
#include "cli/disc_access_command.h"
#include "cli/drive_choice.h"
#include "cli/run_notes.h"
#include "cli/speed_option.h"
#include "drive/identity.h"

namespace vantric {

int RunWholeDiscCommand(const CliOptions& options, Machine& machine, Engine& engine,
                        const LocalTime& now, std::ostream& out, std::ostream& err,
                        bool show_progress) {
  DiscDevices& devices = machine.disc_devices();
  std::string problem;
  bool several = false;
  const std::string device = ChooseDrive(devices, options.device, true, &problem, &several);
  std::unique_ptr<DiscFile> disc;
  if (problem.empty()) disc = devices.Open(device, &problem);
  if (!disc) {
    // The drive the command line named is the command line's fault, and said as such.
    err << (options.device.empty() ? "" : "vantric-cli: ") << problem
        << (problem.ends_with('\n') ? "" : ".\n");
    if (!several) err << WholeDiscHelp(devices, options.device);
    return kExitFailed;
  }
  const std::optional<DriveIdentity> drive = NameDrive(devices, device);
  const std::string read_mode(ReadModeName(disc->Mode()));
  CurveSource source{options.curve_mode,
                     device,
                     read_mode,
                     drive,
                     machine.SimulatedProfile(),
                     now,
                     WholeDisc{device,
                               FindMedium(devices.CurrentProfile(device), disc->Size()),
                               disc->Size(),
                               {},
                               false,
                               0,
                               {}},
                     std::nullopt};
  err << "Whole disc: " << device << " (" << read_mode << " reads)"
      << (drive ? ", " + DriveName(*drive) : "") << ", " << disc->Size() << " bytes\n";
  std::unique_ptr<HeldSpeed> speed;
  if (!HoldReadSpeed(options, devices, device, &speed, &source.speed, err)) return kExitFailed;
  engine.UseDisc(std::move(disc), device);
  if (options.curve_path.empty()) {
    return RunDiscAccessCommand(options, machine, engine, source, out, err, show_progress);
  }
  return RunCurveCommand(options, engine, source, out, err, show_progress);
}

}  // namespace vantric
