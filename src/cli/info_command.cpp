#include "cli/info_command.h"

#include "cli/cli_app.h"
#include "cli/cli_checks.h"
#include "cli/cli_options.h"
#include "cli/drive_choice.h"
#include "drive/drive_info.h"
#include "drive/mmc.h"
#include "results/drive_info_report.h"

namespace vantric {

int RunInfoCommand(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  std::string device, json_path;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-h" || argument == "--help") {
      out << CliUsage();
      return kExitCompleted;
    }
    const std::string name = OptionName(argument);
    if (name != "--device" && name != "--json") {
      return InvalidOptions(err, "unknown argument for info: " + argument);
    }
    const std::optional<std::string> value = OptionValue(arguments, &i);
    if (!value || value->empty()) return InvalidOptions(err, name + " needs a value");
    (name == "--device" ? device : json_path) = *value;
  }
  if (!json_path.empty() && !JsonPathUsable(json_path)) {
    return InvalidOptions(err, "cannot write the --json file " + json_path);
  }
  Machine machine(std::vector<std::string>{}, std::vector<std::string>{});
  return RunInfoOn(device, json_path, machine, out, err);
}

int RunInfoOn(const std::string& device, const std::string& json_path, Machine& machine,
              std::ostream& out, std::ostream& err) {
  DiscDevices& devices = machine.disc_devices();
  std::string problem;
  const std::string chosen = ChooseDrive(devices, device, false, &problem);
  std::unique_ptr<DriveCommands> commands;
  if (!chosen.empty()) commands = devices.OpenCommands(chosen, &problem);
  if (!commands) {
    err << problem << (problem.ends_with('\n') ? "" : ".\n");
    return kExitFailed;
  }
  Mmc mmc(*commands);
  const DriveInfo info = GatherDriveInfo(mmc, machine.clock(), chosen, devices.BusOf(chosen));
  if (json_path != "-") out << DriveInfoText(info) << std::flush;
  if (!json_path.empty() && !WriteJsonOutput(json_path, DriveInfoJson(info), out)) {
    err << "Error writing JSON file.\n";
    return kExitFailed;
  }
  return kExitCompleted;
}

}  // namespace vantric
