#include "cli/whole_disc_command.h"

#include "cli/cli_app.h"
#include "cli/curve_command.h"
#include "cli/run_notes.h"

namespace vantric {

std::string FindDiscDrive(DiscDevices& devices, std::string* problem, bool* several) {
  const std::vector<std::string> drives = devices.List();
  std::vector<std::string> holding;
  std::string others;
  for (const std::string& device : drives) {
    const std::string why = devices.DiscProblem(device);
    if (why.empty()) {
      holding.push_back(device);
    } else {
      others += "  " + why + "\n";
    }
  }
  if (several) *several = holding.size() > 1;
  if (holding.size() == 1) return holding.front();
  if (drives.empty()) {
    *problem = "No optical drive found.\n";
  } else if (holding.empty()) {
    *problem = "No disc in an optical drive:\n" + others;
  } else {
    *problem = "Several drives hold a disc (";
    for (size_t i = 0; i < holding.size(); ++i) *problem += (i ? ", " : "") + holding[i];
    *problem += "): name the one to read with --device.\n";
  }
  return "";
}

std::string ChooseDiscDrive(DiscDevices& devices, const std::string& asked, std::string* problem,
                            bool* several) {
  const std::string device = asked.empty() ? FindDiscDrive(devices, problem, several) : asked;
  if (problem->empty() && !device.empty()) *problem = devices.DiscProblem(device);
  return device;
}

int RunWholeDiscCommand(const CliOptions& options, Machine& machine, Engine& engine,
                        const LocalTime& now, std::ostream& out, std::ostream& err,
                        bool show_progress) {
  DiscDevices& devices = machine.disc_devices();
  std::string problem;
  bool several = false;
  const std::string device = ChooseDiscDrive(devices, options.device, &problem, &several);
  std::unique_ptr<DiscFile> disc;
  if (problem.empty()) disc = devices.Open(device, &problem);
  if (!disc) {
    // The drive the command line named is the command line's fault, and said as such.
    err << (options.device.empty() ? "" : "vantric-cli: ") << problem
        << (problem.ends_with('\n') ? "" : ".\n");
    if (!several) err << WholeDiscHelp(devices, options.device);
    return kExitFailed;
  }
  const std::optional<DriveIdentity> drive = devices.Identify(device);
  const std::string read_mode(ReadModeName(disc->Mode()));
  const CurveSource source{options.curve_mode,
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
  engine.UseDisc(std::move(disc), device);
  return RunCurveCommand(options, engine, source, out, err, show_progress);
}

}  // namespace vantric
