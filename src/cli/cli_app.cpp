#include "cli/cli_app.h"

#include <memory>
#include <optional>

#include "cli/audio_command.h"
#include "cli/cli_checks.h"
#include "cli/cli_user_information.h"
#include "cli/compare_command.h"
#include "cli/curve_command.h"
#include "cli/info_command.h"
#include "cli/run_notes.h"
#include "cli/speed_option.h"
#include "cli/terminal_view.h"
#include "cli/whole_disc_command.h"
#include "drive/identity.h"
#include "engine/engine.h"
#include "engine/test_positions.h"
#include "options/drive_folders.h"
#include "options/program_options.h"
#include "platform/files.h"
#include "results/result_formats.h"
#include "results/run_json.h"
#include "run/program_version.h"
#include "run/results_log.h"
#include "run/run_benchmark.h"
#include "run/run_messages.h"
#include "run/settings_checks.h"
#include "run/test_catalogue.h"

namespace vantric {
namespace {

constexpr const char* kCliProgram = "vantric-cli";

void DescribeTestFile(Engine& engine, Drives& drives, const CliOptions& options,
                      const std::optional<DriveIdentity>& drive, std::ostream& err) {
  const DiscFile& file = *engine.TestFile();
  err << TestFileLine(drives.LocalPath(engine.TestFilePath()), file.Mode(), drive,
                      InDriveFolder(drives, engine.TestFilePath(), options.drive_directories))
      << "\n";
  if (const std::string note = drives.LastOpenNote(); !note.empty())
    err << "Note: " << note << "\n";
  // A curve reads only what the file holds, so a short file ends no curve early; nor does it
  // end a run whose tests stay within it.
  const int64_t needed = TestFileBytesRead(options.settings);
  if (options.curve_path.empty() && file.Size() < needed) {
    err << "Warning: the test file holds " << file.Size() << " bytes, less than the " << needed
        << " that the selected tests read (a full test disc holds " << kFullTestFileBytes
        << "): the run ends with a read error at the first read beyond its end.\n";
  }
}

// The drive text of the report: as given, or with "auto" as the drive names itself.
std::string DriveInfo(const CliOptions& options, const std::optional<DriveIdentity>& drive,
                      std::ostream& err) {
  if (options.drive_info != "auto") return options.drive_info;
  if (drive) return DriveName(*drive);
  err << "Note: this drive cannot name itself, so --drive-info auto leaves the drive text "
         "empty; give its make and model with --drive-info TEXT.\n";
  return "";
}

bool LogFailed(const TerminalView& view) {
  for (const std::string& message : view.messages()) {
    if (message == kLogOpenErrorMessage || message == kLogWriteErrorMessage) return true;
  }
  return false;
}

// Follows a file name refused: that its folder is not there, when that is why.
std::string FolderNote(const std::string& path) {
  const std::optional<std::string> note = MissingFolderNote(path);
  return note ? *note + "\n" : "";
}

// The configuration dialog's checks, with its messages and in its order, and the terminal's
// own checks of what the dialog lets through but the run would trip over at its end.
std::optional<int> CheckOptions(CliOptions& options, std::ostream& err) {
  if (auto too_long = CheckLogNameLength(options.settings.LogEdit)) {
    // The dialog's earlier checks still come first.
    TestSettings without_log = options.settings;
    without_log.LogEdit.clear();
    if (auto message = CheckSettings(without_log)) {
      err << *message << "\n";
      return kExitInvalidOptions;
    }
    return InvalidOptions(err, *too_long);
  }
  if (auto message = CheckSettings(options.settings)) {
    err << *message << "\n";
    if (*message == kInvalidLogNameMessage) err << FolderNote(options.settings.LogEdit);
    return kExitInvalidOptions;
  }
  if (auto message = CheckLogTarget(options.settings.LogEdit)) return InvalidOptions(err, *message);
  if (auto message = CheckDriveFolders(options.drive_directories)) {
    return InvalidOptions(err, *message);
  }
  if (!options.json_path.empty() && !JsonPathUsable(options.json_path)) {
    err << "Invalid JSON filename.\n" << FolderNote(options.json_path);
    return kExitInvalidOptions;
  }
  if (!options.curve_path.empty()) {
    if (!ResultFormatOfPath(options.curve_path)) {
      return InvalidOptions(
          err, "the --curve file must end in " + ResultExtensionList() + ": " + options.curve_path);
    }
    if (options.curve_path == "-" || !JsonPathUsable(options.curve_path)) {
      return InvalidOptions(err, "cannot write the --curve file " + options.curve_path);
    }
  }
  return std::nullopt;
}

}  // namespace

bool WriteJsonOutput(const std::string& path, const std::string& json, std::ostream& out) {
  if (path == "-") {
    out << json << std::flush;
    return static_cast<bool>(out);
  }
  return ReplaceFileContents(path, json);
}

int InvalidOptions(std::ostream& err, const std::string& message) {
  err << InvalidOptionsText(kCliProgram, message);
  return kExitInvalidOptions;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           bool err_is_terminal) {
  if (!arguments.empty() && arguments[0] == "compare") {
    return RunCompareCommand({arguments.begin() + 1, arguments.end()}, out, err);
  }
  if (!arguments.empty() && arguments[0] == "audio") {
    return RunAudioCommand({arguments.begin() + 1, arguments.end()}, out, err, err_is_terminal);
  }
  if (!arguments.empty() && arguments[0] == "info") {
    return RunInfoCommand({arguments.begin() + 1, arguments.end()}, out, err);
  }
  CliOptions options;
  if (auto error = ParseCliOptions(arguments, &options)) return InvalidOptions(err, *error);
  if (options.help) {
    out << CliUsage();
    return kExitCompleted;
  }
  if (options.version) {
    out << VersionText(kCliProgram, kProgramVersion);
    return kExitCompleted;
  }
  if (options.simulate_profile == "list") {
    out << DriveProfileListText();
    return kExitCompleted;
  }
  if (auto code = CheckOptions(options, err)) return *code;

  std::string error;
  std::unique_ptr<Machine> machine = MakeMachine(
      options.simulate_profile, options.drive_directories,
      options.net ? std::vector<std::string>{"NET"} : std::vector<std::string>{}, &error);
  if (!machine) return InvalidOptions(err, error);
  return RunCliOn(options, *machine, out, err, err_is_terminal && !options.quiet);
}

int RunCliOn(const CliOptions& options, Machine& machine, std::ostream& out, std::ostream& err,
             bool show_progress) {
  TerminalPump pump;
  Drives& drives = machine.drives();
  System& system = machine.system();
  Engine engine(machine.PlatformWith(pump));
  pump.Attach(&engine);

  if (options.whole_disc) {
    return RunWholeDiscCommand(options, machine, engine, system.GetLocalTime(), out, err,
                               show_progress);
  }
  engine.ScanDrives();
  switch (engine.FindTestDisc()) {
    case NoDisc:
      err << kNoDiscMessage << "\n";
      // The one test file found, when the system would not open it for the benchmark's reads.
      if (const std::string note = drives.LastOpenNote(); !note.empty())
        err << "Note: " << note << "\n";
      err << NoDiscHelp(drives, engine.CandidateDrives, options.drive_directories);
      return kExitFailed;
    case SeveralDiscs:
      err << kSeveralDiscsMessage << "\n";
      return kExitFailed;
    case DiscOpened:
      break;
  }
  std::optional<DriveIdentity> drive = drives.IdentifyDrive(engine.TestFilePath());
  // As the drive names itself to its own commands, where it takes them.
  if (drive) drive = NameDrive(machine.disc_devices(), drive->device).value_or(*drive);
  DescribeTestFile(engine, drives, options, drive, err);
  std::unique_ptr<HeldSpeed> speed;
  std::optional<SpeedRecord> speed_record;
  if (!HoldReadSpeed(options, machine.disc_devices(), drive ? drive->device : "", &speed,
                     &speed_record, err)) {
    return kExitFailed;
  }
  if (!options.curve_path.empty()) {
    const CurveSource source{options.curve_mode,
                             drives.LocalPath(engine.TestFilePath()),
                             std::string(ReadModeName(engine.TestFile()->Mode())),
                             drive,
                             machine.SimulatedProfile(),
                             system.GetLocalTime(),
                             std::nullopt,
                             std::nullopt,
                             speed_record};
    return RunCurveCommand(options, engine, source, out, err, show_progress);
  }
  if (auto note = CpuTestsWithoutRead16(options.settings)) err << *note << "\n";

  CliUserInformation user(DriveInfo(options, drive, err), options.controller_info,
                          options.computer_info);
  TestResults results;
  TerminalView view(err, show_progress, pump);
  const RunOutcome outcome = RunBenchmark({engine, options.settings, results, view, user});
  view.HideWindow();
  if (outcome == RunOutcome::kNoCounter) return kExitFailed;
  if (outcome == RunOutcome::kCancelled) return kExitCancelled;
  if (outcome == RunOutcome::kReadFailed) return kExitReadFailed;
  for (const std::string& note : CpuTestsBeyondTheDrive(options.settings, results)) {
    err << note << "\n";
  }

  // The report shows the texts given, whether or not a log file asked for them.
  user.Ask();
  const ReportContent content = GatherReportContent(engine, options.settings, results, user);
  const bool json_on_stdout = options.json_path == "-";
  if (!json_on_stdout) {
    for (const std::string& line : ResultsLogLines(content)) out << line << "\n";
    out << std::flush;
  }
  if (!options.json_path.empty()) {
    const JsonRunSource source{drives.LocalPath(engine.TestFilePath()),
                               std::string(ReadModeName(engine.TestFile()->Mode())), drive,
                               machine.SimulatedProfile(), speed_record};
    if (!WriteJsonOutput(options.json_path, ResultsJson(content, source), out)) {
      err << "Error writing JSON file.\n";
      return kExitFailed;
    }
  }
  return LogFailed(view) ? kExitFailed : kExitCompleted;
}

}  // namespace vantric
