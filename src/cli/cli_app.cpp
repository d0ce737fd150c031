#include "cli/cli_app.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <optional>

#include "cli/cli_options.h"
#include "cli/cli_user_information.h"
#include "cli/json_report.h"
#include "cli/terminal_view.h"
#include "engine/engine.h"
#include "platform/native.h"
#include "run/results_log.h"
#include "run/run_benchmark.h"
#include "run/settings_checks.h"
#include "sim/simulation.h"

namespace vantric {
namespace {

// A full test disc holds every sector the tests read; a shorter file makes reads fail.
constexpr int64_t kFullTestFileBytes = 613'492'736;

int InvalidOptions(std::ostream& err, const std::string& message) {
  err << "vantric-cli: " << message << "\n"
      << "Try 'vantric-cli --help' for more information.\n";
  return kExitInvalidOptions;
}

// The clock and drives of a run: a simulated drive, or the machine's own.
struct Machine {
  std::unique_ptr<Simulation> simulation;
  NativeClock native_clock;
  std::unique_ptr<NativeDrives> native_drives;

  Clock& clock() { return simulation ? static_cast<Clock&>(simulation->clock()) : native_clock; }
  Drives& drives() {
    return simulation ? static_cast<Drives&>(simulation->drives()) : *native_drives;
  }
};

void DescribeTestFile(Engine& engine, Machine& machine, std::ostream& err) {
  const DiscFile& file = *engine.TestFile();
  err << "Test file: " << machine.drives().LocalPath(engine.TestFilePath()) << " ("
      << ReadModeName(file.Mode()) << " reads)\n";
  if (machine.native_drives && !machine.native_drives->LastOpenNote().empty()) {
    err << "Note: " << machine.native_drives->LastOpenNote() << "\n";
  }
  if (file.Size() < kFullTestFileBytes) {
    err << "Warning: the test file holds " << file.Size() << " bytes, less than the "
        << kFullTestFileBytes << " of a full test disc; reads beyond its end fail and the "
        << "results of the tests that make them mean little.\n";
  }
}

// Whether the JSON file can be written, checked before a run that may take minutes.
bool JsonPathUsable(const std::string& path) {
  if (path == "-") return true;
  struct stat info;
  if (::stat(path.c_str(), &info) == 0)
    return !S_ISDIR(info.st_mode) && ::access(path.c_str(), W_OK) == 0;
  std::string detail;
  return FileSystemLogNameProbe().ProbeCreate(path, &detail) ==
         LogNameProbe::Outcome::kCreatedAndRemoved;
}

bool WriteJson(const std::string& path, const std::string& json, std::ostream& out) {
  if (path == "-") {
    out << json << std::flush;
    return static_cast<bool>(out);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << json;
  file.close();
  return !file.fail();
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           bool err_is_terminal) {
  CliOptions options;
  if (auto error = ParseCliOptions(arguments, &options)) return InvalidOptions(err, *error);
  if (options.help) {
    out << kCliUsage;
    return kExitCompleted;
  }
  if (options.version) {
    out << "vantric-cli 1.65\n";
    return kExitCompleted;
  }
  if (options.simulate_profile == "list") {
    out << DriveProfileListText();
    return kExitCompleted;
  }
  // The configuration dialog's checks, with its messages.
  if (auto message = CheckSettings(options.settings)) {
    err << *message << "\n";
    return kExitInvalidOptions;
  }
  if (!options.json_path.empty() && !JsonPathUsable(options.json_path)) {
    err << "Invalid JSON filename.\n";
    return kExitInvalidOptions;
  }

  Machine machine;
  if (!options.simulate_profile.empty()) {
    std::string error;
    machine.simulation = MakeSimulation(options.simulate_profile, &error);
    if (!machine.simulation) return InvalidOptions(err, error);
  } else {
    machine.native_drives = std::make_unique<NativeDrives>(options.drive_directories);
  }
  NativeSystem system(options.net ? std::vector<std::string>{"NET"} : std::vector<std::string>{});
  NativeRegistry registry;
  TerminalPump pump;
  Engine engine(Platform{machine.clock(), machine.drives(), registry, system, pump});
  pump.Attach(&engine);

  engine.ScanDrives();
  switch (engine.FindTestDisc()) {
    case NoDisc:
      err << "Insert Vantric disc in drive before running test.\n";
      // The one test file found, when the system would not open it for the benchmark's reads.
      if (machine.native_drives && !machine.native_drives->LastOpenNote().empty()) {
        err << "Note: " << machine.native_drives->LastOpenNote() << "\n";
      }
      return kExitNoRun;
    case SeveralDiscs:
      err << "Please insert only ONE Vantric disc in CD-ROM drive(s) for test.\n";
      return kExitNoRun;
    case DiscOpened:
      break;
  }
  DescribeTestFile(engine, machine, err);

  CliUserInformation user(options.drive_info, options.controller_info, options.computer_info);
  TestResults results;
  RunOutcome outcome;
  {
    TerminalView view(err, err_is_terminal && !options.quiet, pump);
    outcome = RunBenchmark({engine, options.settings, results, view, user});
  }
  if (outcome == RunOutcome::kNoCounter) return kExitNoRun;
  if (outcome == RunOutcome::kCancelled) return kExitCancelled;
  if (outcome == RunOutcome::kReadFailed) return kExitReadFailed;

  // The report shows the texts given, whether or not a log file asked for them.
  user.Ask();
  const std::vector<std::string> lines =
      ResultsLogLines(GatherReportContent(engine, options.settings, results, user));
  const bool json_on_stdout = options.json_path == "-";
  if (!json_on_stdout) {
    for (const std::string& line : lines) out << line << "\n";
    out << std::flush;
  }
  if (!options.json_path.empty()) {
    JsonRunSource source{machine.drives().LocalPath(engine.TestFilePath()),
                         std::string(ReadModeName(engine.TestFile()->Mode())), std::nullopt};
    if (machine.simulation) source.simulated_profile = options.simulate_profile;
    if (!WriteJson(options.json_path, ResultsJson(results, source), out)) {
      err << "Error writing JSON file.\n";
      return kExitNoRun;
    }
  }
  return kExitCompleted;
}

}  // namespace vantric
