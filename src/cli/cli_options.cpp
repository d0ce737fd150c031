#include "cli/cli_options.h"

#include <sstream>
#include <utility>

#include "results/result_formats.h"
#include "run/test_catalogue.h"
#include "run/text_readers.h"
#include "run/value_text.h"

namespace vantric {
namespace {

// The selection replaces the dialog's defaults; the user CPU test is chosen by its rate alone.
std::optional<std::string> SelectTests(const std::string& list, TestSettings* settings) {
  for (const TestChoice& choice : kTestChoices) {
    if (choice.named_in_test_list) settings->*choice.setting = false;
  }
  std::stringstream items(list);
  std::string item;
  bool any = false;
  while (std::getline(items, item, ',')) {
    any = true;
    bool known = false;
    for (const TestChoice& choice : kTestChoices) {
      if (!choice.named_in_test_list || (item != "all" && item != choice.name)) continue;
      settings->*choice.setting = true;
      known = true;
    }
    if (!known) return "unknown test in --tests: \"" + item + "\"";
  }
  if (!any) return "--tests needs at least one test name";
  return std::nullopt;
}

// A value the run would take for "none" without saying so, or a text that would add lines of
// its own to the report: the message, or nothing.
std::optional<std::string> CheckValue(const std::string& name, const std::string& value) {
  // The log name loses its blanks, as in the dialog.
  const bool no_name = name == "--log" ? value.find_first_not_of(' ') == std::string::npos
                                       : (name == "--json" || name == "--curve") && value.empty();
  if (no_name) return name + " needs a file name";
  if (name == "--device" && value.empty()) return std::string("--device needs a drive");
  // The dialog reads the digits before anything else: "2.5" would run two passes and "4X" a CPU
  // test at 4 KB/s, without a word. A value it would read as another number than the one
  // written is refused; one that holds no number at all reads as 0, which the dialog's own
  // check refuses with its message.
  for (const auto& [option, takes] : {std::pair{"--passes", "1 to 99 passes"},
                                      std::pair{"--user-rate", "an even number of KB/s"}}) {
    if (name == option && !IsWholeNumberText(value) && TextToInt(value) != 0) {
      return name + " \"" + value + "\" is not a whole number; it takes " + takes;
    }
  }
  // The report writes these texts as they are, each on a line of its own.
  const bool report_text = name == "--drive-info" || name == "--controller-info" ||
                           name == "--computer-info" || name == "--user-rate";
  if (report_text && value.find_first_of("\r\n") != std::string::npos) {
    return name + " must be one line: it holds a line break";
  }
  return std::nullopt;
}

// The --tests names, wrapped under the option's description.
std::string TestListHelp() {
  constexpr size_t kWidth = 80;
  const std::string indent(23, ' ');
  std::string text = "  --tests LIST         comma-separated: ";
  size_t line_start = 0;
  for (const TestChoice& choice : kTestChoices) {
    if (!choice.named_in_test_list) continue;
    const std::string item = std::string(choice.name) + ",";
    if (text.size() - line_start + item.size() > kWidth) {
      text += "\n";
      line_start = text.size();
      text += indent;
    }
    text += item;
  }
  return text + " or \"all\";\n" + indent + "default: every test but the user CPU test\n";
}

}  // namespace

std::string CliUsage() {
  return std::string(
             "Usage: vantric-cli [NET] [options]\n"
             "  or:  vantric-cli compare FILE... [--with LIST] [--json FILE] [--chart FILE.svg]\n"
             "  or:  vantric-cli audio [--device DEV] [--curve FILE] [--curve-mode MODE]\n"
             "                         [--json FILE] [--speed X|max] [--quiet]\n"
             "  or:  vantric-cli info [--device DEV] [--json FILE]\n"
             "Runs the CD-ROM benchmark without a window and prints the report on stdout.\n"
             "\n") +
         kProgramOptionsHelp + TestListHelp() +
         "  --user-rate KPS      also run the CPU test at KPS (a whole, even number of KB/s)\n"
         "  --passes N           a whole number of passes, 1 to 99 (default 1)\n"
         "  --log FILE           append the report to FILE (CR LF line ends)\n"
         "  --drive-info TEXT    CD-ROM drive make and model, for the report; \"auto\": as the\n"
         "                       drive names itself\n"
         "  --controller-info TEXT  controller make, model and bus, for the report\n"
         "  --computer-info TEXT  computer make, CPU type and speed, for the report\n"
         "  --json FILE          also write the results as JSON to FILE; \"--json -\" writes the\n"
         "                       JSON to stdout instead of the report\n"
         "  --curve FILE         measure the transfer-rate curve instead of the benchmark and\n"
         "                       write it to FILE: " +
         ResultExtensionList() +
         " (a chart)\n"
         "  --curve-mode MODE    with --curve: quick (default) times 1 MB of every 1% of the\n"
         "                       disc; full times all of it\n"
         "  --whole-disc         with --curve: any disc in the drive instead of the test file,\n"
         "                       from its first sector to its last, in its medium's X, with\n"
         "                       the ranges that cannot be read mapped\n"
         "                       without --curve: the access tests on that disc (full,\n"
         "                       third stroke and random access, bursts, spin-up time)\n"
         "  --device DEV         the drive for --whole-disc (/dev/sr1, or E: on Windows);\n"
         "                       default: the one optical drive that holds a disc\n"
         "  --speed X|max        set the drive's read speed for the run, the curve or the\n"
         "                       access tests, in the disc's X, and its fastest again after;\n"
         "                       a drive that refuses stops it, unless max was asked\n"
         "  --quiet              no progress display\n" +
         kInformationOptionsHelp +
         "\n"
         "An option's value may also follow an equals sign: --passes=3. The three texts for\n"
         "the report are one line each.\n"
         "Ctrl-C cancels the run or the curve; nothing is written then.\n"
         "\n"
         "compare prints result files side by side: runs written by --json, or curves\n"
         "written by --curve FILE.json. A column per file, headed by its drive and date; a\n"
         "row per figure; each value's difference from the first column in percent,\n"
         "marked better or worse.\n"
         "  --with LIST          add a column per simulated drive in LIST (profiles,\n"
         "                       comma-separated, or \"all\"), measured now: one pass of\n"
         "                       the default tests, or a quick curve\n"
         "  --json FILE          also write the comparison as JSON; \"-\": to stdout instead\n"
         "                       of the table\n"
         "  --chart FILE.svg     draw the compared curves on one chart\n"
         "\n"
         "audio reads the audio tracks of a CD with READ CD as CD-DA (2,352-byte sectors)\n"
         "and reports the TOC; the extraction speed across the tracks as a curve, in\n"
         "CD-DA X (75 sectors a second, 176,400 B/s); whether the drive streams audio\n"
         "accurately (re-reads from other sectors compared, the offset in samples);\n"
         "whether it serves re-reads from a cache, and roughly how much it holds; and,\n"
         "where it reports C2 error pointers, the sectors it found C2 errors in.\n"
         "  --device DEV         the drive (/dev/sr1, or E: on Windows); default: the one\n"
         "                       optical drive that holds a disc\n"
         "  --curve FILE         also write the curve to FILE: " +
         ResultExtensionList() +
         "\n"
         "  --curve-mode MODE    quick (default): 1 MB of every 1% of the audio; full: all\n"
         "  --json FILE          also write all of it as JSON, a curve compare reads; \"-\":\n"
         "                       to stdout instead of the report\n"
         "  --speed X|max        set the drive's read speed first\n"
         "\n"
         "info shows what the drive says of itself and of its disc: make, model, firmware,\n"
         "serial number, loader, bus, the media it reads and writes, its top and current\n"
         "read speed, buffer, audio reading, and the disc's medium, size, sessions, tracks\n"
         "and status; \"unknown\" where the drive does not say.\n"
         "  --device DEV         the drive to ask; default: the one drive, or the one that\n"
         "                       holds a disc\n"
         "  --json FILE          also write it as JSON; \"-\": to stdout instead of the text\n"
         "\n"
         "Exit codes:\n"
         "  0    the run completed and everything asked for was written\n"
         "  1    no test disc, more than one test disc, no performance counter, or a test\n"
         "       file too short for a curve; no drive or disc to use, or a --speed the\n"
         "       drive refuses; or the run completed but the log, JSON, curve or chart\n"
         "       file could not be written\n"
         "       audio: also no disc, no audio track, a drive that will not read audio\n"
         "  2    invalid options; for compare also a result file that cannot be read,\n"
         "       is of a newer format, or is of another kind than the first\n"
         "  3    a read of the test disc failed: the run stopped, with no report, no log,\n"
         "       no JSON and no curve; or a whole-disc curve found sectors it could not\n"
         "       read, which its report and file list\n"
         "       audio: the same, and sectors with C2 errors found\n"
         "  130  cancelled\n";
}

std::optional<std::string> ParseCurveMode(const std::string& value, CurveMode* mode) {
  if (value != "quick" && value != "full") {
    return "--curve-mode is quick or full, not \"" + value + "\"";
  }
  *mode = value == "full" ? CurveMode::kFull : CurveMode::kQuick;
  return std::nullopt;
}

std::optional<std::string> ParseCliOptions(const std::vector<std::string>& arguments,
                                           CliOptions* options) {
  *options = CliOptions();
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    bool taken = false;
    if (auto error = ReadProgramOption(arguments, &i, options, &taken)) return error;
    if (taken) continue;
    if (argument == "--quiet") {
      options->quiet = true;
      continue;
    }
    if (argument == "--whole-disc") {
      options->whole_disc = true;
      continue;
    }
    const std::string name = OptionName(argument);
    const bool has_equals = name.size() < argument.size();
    static const char* const kWithValue[] = {"--tests",         "--user-rate",  "--passes",
                                             "--log",           "--drive-info", "--controller-info",
                                             "--computer-info", "--json",       "--curve",
                                             "--curve-mode",    "--device",     "--speed"};
    bool takes_value = false;
    for (const char* known : kWithValue) takes_value = takes_value || name == known;
    if (!takes_value) {
      if (has_equals && (name == "--quiet" || name == "--whole-disc")) {
        return name + " takes no value";
      }
      return "unknown argument: " + argument;
    }
    const std::optional<std::string> given = OptionValue(arguments, &i);
    if (!given) return argument + " needs a value";
    const std::string& value = *given;
    if (auto error = CheckValue(name, value)) return error;
    TestSettings& s = options->settings;
    const bool benchmark_only =
        name != "--curve" && name != "--curve-mode" && name != "--device" && name != "--speed";
    if (benchmark_only && options->benchmark_option.empty()) options->benchmark_option = name;
    if (benchmark_only && name != "--json" && options->run_only_option.empty()) {
      options->run_only_option = name;
    }
    if (name == "--tests") {
      if (auto error = SelectTests(value, &s)) return error;
    } else if (name == "--user-rate") {
      s.cpuuser = true;
      s.userval = value;
    } else if (name == "--passes") {
      s.PassEdit = value;
    } else if (name == "--log") {
      s.LogEdit = value;
    } else if (name == "--drive-info") {
      options->drive_info = value;
    } else if (name == "--controller-info") {
      options->controller_info = value;
    } else if (name == "--computer-info") {
      options->computer_info = value;
    } else if (name == "--device") {
      options->device = value;
    } else if (name == "--speed") {
      options->speed = ParseSpeedRequest(value);
      if (!options->speed) {
        return "--speed is a speed in X (above 0, at most " + FixedText(kFastestX, 0) +
               ") or max, not \"" + value + "\"";
      }
    } else if (name == "--curve") {
      options->curve_path = value;
    } else if (name == "--curve-mode") {
      if (auto error = ParseCurveMode(value, &options->curve_mode)) return error;
      options->curve_mode_given = true;
    } else {
      options->json_path = value;
    }
  }
  if (auto error = CheckProgramOptions(*options)) return error;
  if (options->curve_mode_given && options->curve_path.empty()) {
    return std::string("--curve-mode belongs to --curve, which is not given");
  }
  if (!options->curve_path.empty() && !options->benchmark_option.empty()) {
    return "--curve measures the transfer-rate curve instead of the benchmark; " +
           options->benchmark_option + " belongs to the benchmark";
  }
  if (options->whole_disc && options->curve_path.empty() && !options->run_only_option.empty()) {
    return "--whole-disc runs the access tests on the disc in the drive; " +
           options->run_only_option + " belongs to the benchmark";
  }
  if (!options->device.empty() && !options->whole_disc) {
    return std::string("--device goes with --whole-disc");
  }
  if (options->whole_disc && (options->net || !options->drive_directories.empty())) {
    return std::string(
        "--whole-disc reads the disc in a drive; NET and --drive look for the test file");
  }
  return std::nullopt;
}

}  // namespace vantric
