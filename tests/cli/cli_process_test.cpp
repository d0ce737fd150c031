#include <gtest/gtest.h>
#include <sys/stat.h>

#include <future>

#include "cli_test_files.h"
#include "json_reader.h"
#include "ramfs_mount.h"
#include "subprocess.h"

namespace vantric::testing {
namespace {

ProcessResult Cli(const std::vector<std::string>& arguments) {
  return RunProcess(VANTRIC_CLI_PATH, arguments);
}

TEST(CliProcessTest, HelpAndVersion) {
  const ProcessResult help = Cli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("Usage: vantric-cli [NET] [options]"), std::string::npos);
  EXPECT_NE(help.out.find("  3    a read of the test disc failed"), std::string::npos);
  // The README shows the help text as it stands.
  EXPECT_NE(FileText(VANTRIC_README_PATH).find("```\n" + help.out + "```\n"), std::string::npos)
      << "README.md must hold the output of vantric-cli --help in a code block";
  const ProcessResult version = Cli({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "vantric-cli 1.65\n");
  const ProcessResult list = Cli({"--simulate", "list"});
  EXPECT_EQ(list.exit_code, 0);
  EXPECT_NE(list.out.find("8x-clv"), std::string::npos);
}

TEST(CliProcessTest, InvalidOptionsGetTheDialogsMessagesAndExitTwo) {
  ScratchDir dir("cli-invalid");
  const std::string missing_folder_log = (dir.path() / "no" / "such.log").string();
  const std::string no_folder = "The folder " + (dir.path() / "no").string() +
                                " does not exist: create it, or name a file in a folder that "
                                "exists.\n";
  ScratchDir elsewhere("cli-invalid-file");
  const fs::path file = elsewhere.path() / "file";
  std::ofstream(file) << "x";
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--passes", "0"}, "Invalid number of test passes.\n"},
      {{"--passes", "-3"}, "Invalid number of test passes.\n"},
      {{"--passes", "100"}, "Invalid number of test passes.\n"},
      // The pass count is checked first, as in the dialog.
      {{"--user-rate", "301", "--passes", "x"}, "Invalid number of test passes.\n"},
      {{"--user-rate", "301"}, "Invalid speed for user selected CPU test.\n"},
      {{"--user-rate", "-300"}, "Invalid speed for user selected CPU test.\n"},
      // The dialog's message, then why: the folder named is not there.
      {{"--log", missing_folder_log}, "Invalid log filename.\n" + no_folder},
      {{"--log", (file / "such.log").string()},
       "Invalid log filename.\n" + file.string() + " is not a folder: name a file in a folder.\n"},
      {{"--passes=100"}, "Invalid number of test passes.\n"},
      // The dialog's own checks come before the terminal's.
      {{"--passes", "0", "--log", std::string(200, 'x')}, "Invalid number of test passes.\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--simulate", "8x-clv"});
    const ProcessResult result = Cli(arguments);
    EXPECT_EQ(result.exit_code, 2) << c.message;
    EXPECT_EQ(result.err, c.message);
    EXPECT_EQ(result.out, "");
  }
  // What would fail only after the run, or look like a missing disc, is refused before it,
  // naming what is wrong.
  const std::string long_log = (dir.path() / std::string(161, 'x')).string();
  const struct {
    std::vector<std::string> arguments;
    std::string named;
  } refused[] = {
      {{"--bogus"}, "--bogus"},
      {{"--simulate", "99x-zip"}, "99x-zip"},
      {{"--tests", "read3"}, "read3"},
      {{"--passes"}, "--passes"},
      {{"--drive", "/no/such/dir"}, "--drive /no/such/dir: No such file or directory"},
      {{"--drive=/dev/null"}, "--drive /dev/null is not a folder"},
      {{"--simulate", "8x-clv", "--log", dir.path().string()}, "is a folder"},
      {{"--simulate", "8x-clv", "--log", long_log}, "only 160 are kept"},
      // A line break would forge report lines in the log; an empty value would quietly mean
      // "none".
      {{"--drive-info", "X\r\nRead Tests\r\n     16k outside: 9999 kps"}, "--drive-info"},
      {{"--controller-info=a\nb"}, "--controller-info"},
      {{"--computer-info", "PC\r"}, "--computer-info"},
      {{"--user-rate", "300\r\nCPU Tests"}, "--user-rate"},
      {{"--json="}, "--json"},
      {{"--log="}, "--log"},
      {{"--log", "   "}, "--log"},
      {{"--curve="}, "--curve"},
      {{"--simulate="}, "--simulate"},
      {{"--simulate", "8x-clv", "--curve-mode", "full"}, "--curve-mode"},
      // Before the dialog's checks, which would refuse the pass count first.
      {{"--passes", "0", "--user-rate", "4X"},
       "--user-rate \"4X\" is not a whole number; it takes an even number of KB/s"},
  };
  for (const auto& c : refused) {
    const ProcessResult result = Cli(c.arguments);
    EXPECT_EQ(result.exit_code, 2) << c.named;
    EXPECT_EQ(result.err.rfind("vantric-cli: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(CliProcessTest, NoDiscOrSeveralDiscsExitOne) {
  ScratchDir dir("cli-discs");
  fs::create_directories(dir.path() / "empty");
  const ProcessResult none = Cli({"--drive", (dir.path() / "empty").string()});
  EXPECT_EQ(none.exit_code, 1);
  // The system's message, then where the disc was looked for and what to do next.
  EXPECT_EQ(none.err.rfind("Insert Vantric disc in drive before running test.\n", 0), 0u);
  EXPECT_NE(
      none.err.find("\n  D: " + (dir.path() / "empty").string() + " (folder given with --drive)\n"),
      std::string::npos)
      << none.err;
  for (const char* hint : {"--drive DIR", "vantric-mkdisc DIR", "--simulate 8x-clv"}) {
    EXPECT_NE(none.err.find(hint), std::string::npos) << hint;
  }

  const fs::path one = dir.MakeDiscRoot("one", 1 << 20);
  const fs::path two = dir.MakeDiscRoot("two", 1 << 20);
  const ProcessResult several = Cli({"--drive", one.string(), "--drive", two.string()});
  EXPECT_EQ(several.exit_code, 1);
  EXPECT_EQ(several.err, "Please insert only ONE Vantric disc in CD-ROM drive(s) for test.\n");
}

TEST(CliProcessTest, SimulatedRunPrintsTheReportLogsItAndWritesJson) {
  ScratchDir dir("cli-run");
  const fs::path log = dir.path() / "run.log";
  const fs::path json_path = dir.path() / "run.json";
  const ProcessResult result =
      Cli({"--simulate", "8x-clv", "--passes", "2", "--user-rate", "1000", "--log", log.string(),
           "--json", json_path.string(), "--drive-info", "Drive \"A\"", "--computer-info", "PC"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.err.find("Test file: D:\\DATA\\VANTRIC.DAT (simulated reads)"),
            std::string::npos);
  // Not a terminal: no progress line.
  EXPECT_EQ(result.err.find('\r'), std::string::npos);

  // The same report in both places, with their own line ends.
  std::string crlf;
  for (char c : result.out) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(FileText(log), crlf);
  EXPECT_EQ(result.out.substr(0, 52), "\nVantric 1.65 for Windows 95 - 2 Pass Test Results\n\n");
  EXPECT_NE(result.out.find("\n     Drive \"A\"\n     \n     PC\n"), std::string::npos);
  EXPECT_NE(result.out.find("\n     User 1000kps: "), std::string::npos);
  EXPECT_NE(result.out.find("\n     12x 1800kps: Disabled\n"), std::string::npos);
  EXPECT_NE(result.out.find("\n     Drive type: CLV\n"), std::string::npos);

  const JsonObject json = ParseFlatJson(FileText(json_path));
  EXPECT_EQ(std::get<double>(json.at("PassCount")), 2);
  EXPECT_EQ(std::get<bool>(json.at("ResultsValid")), true);
  EXPECT_EQ(std::get<std::string>(json.at("ReadMode")), "simulated");
  EXPECT_EQ(std::get<std::string>(json.at("SimulatedProfile")), "8x-clv");
  EXPECT_EQ(std::get<bool>(json.at("Cpu12xOn")), false);
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("CpuUsage12x")));
  EXPECT_NEAR(std::get<double>(json.at("Read16Outside")), 1200, 60);
  EXPECT_EQ(std::get<std::string>(json.at("DriveTypeText")), "Drive type: CLV");
  EXPECT_EQ(std::get<std::string>(json.at("TestFile")), "D:\\DATA\\VANTRIC.DAT");
}

// A read beyond the end of a short test file fails: the run stops there with the read error,
// and nothing of it is reported, logged or written as JSON.
TEST(CliProcessTest, AFailedReadEndsTheRunWithNothingWritten) {
  ScratchDir dir("cli-short");
  const fs::path root = dir.MakeDiscRoot("disc", 4 << 20);
  const fs::path log = dir.path() / "old.log";
  const std::string old_log = "\r\nVantric 1.65 for Windows 95 - 1 Pass Test Results\r\n";
  std::ofstream(log, std::ios::binary) << old_log;
  const fs::path json_path = dir.path() / "run.json";
  const ProcessResult result = Cli({"--drive", root.string(), "--log", log.string(), "--json",
                                    json_path.string(), "--tests", "read16"});
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(FileText(log), old_log);
  EXPECT_FALSE(fs::exists(json_path));
  EXPECT_NE(result.err.find("in a folder on a fixed disk, not a CD-ROM drive"), std::string::npos);
  EXPECT_NE(result.err.find("Warning: the test file holds 4194304 bytes"), std::string::npos);
  // The warm-up's first read, 210016, lies beyond the file's 2048 sectors.
  EXPECT_NE(result.err.find("\nError reading the test disc at sector 210016: the read returned "
                            "fewer bytes than asked for.\n"),
            std::string::npos)
      << result.err;
}

// A file that passes the checks before the run but cannot be written after it: the report is
// on stdout all the same, and the exit code says what was lost.
TEST(CliProcessTest, AFileThatCannotBeWrittenAfterTheRunExitsOneAfterTheReport) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  ScratchDir dir("cli-full");
  // The curve file's kind comes from its extension.
  const fs::path full_csv = dir.path() / "curve.csv";
  fs::create_symlink("/dev/full", full_csv);
  const struct {
    std::vector<std::string> arguments;
    std::string error, report;
  } cases[] = {
      {{"--tests", "burst2k", "--log", "/dev/full"},
       "Error writing log file.\n",
       "\n     2k burst: "},
      {{"--tests", "burst2k", "--json", "/dev/full"},
       "Error writing JSON file.\n",
       "\n     2k burst: "},
      {{"--curve", full_csv.string()},
       "Error writing curve file " + full_csv.string() + ".\n",
       "\nShape:   CLV\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"--simulate", "ideal-8x-clv"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const ProcessResult result = Cli(arguments);
    EXPECT_EQ(result.exit_code, 1) << c.error;
    EXPECT_NE(result.err.find(c.error), std::string::npos) << result.err;
    EXPECT_NE(result.out.find(c.report), std::string::npos) << result.out;
  }
}

TEST(CliProcessTest, JsonOnStdoutReplacesTheReport) {
  const ProcessResult result = Cli({"--simulate", "24x-cav", "--tests", "read16", "--json", "-"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const JsonObject json = ParseFlatJson(result.out);
  EXPECT_EQ(std::get<std::string>(json.at("DriveTypeText")), "Drive type: CAV");
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("Read2Inside")));
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("MultimediaIndex")));
}

TEST(CliProcessTest, AnUnwritableJsonFileIsRefusedBeforeTheRun) {
  ScratchDir dir("cli-json");
  for (const fs::path& bad :
       {fs::path("/proc/vantric.json"), dir.path(), dir.path() / "no" / "x"}) {
    const ProcessResult result = Cli({"--simulate", "8x-clv", "--json", bad.string()});
    EXPECT_EQ(result.exit_code, 2) << bad;
    // Only a folder that is not there is worth a word of its own.
    const std::string folder_note =
        bad.parent_path() == dir.path() / "no"
            ? "The folder " + bad.parent_path().string() +
                  " does not exist: create it, or name a file in a folder that exists.\n"
            : "";
    EXPECT_EQ(result.err, "Invalid JSON filename.\n" + folder_note);
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// Reads a named pipe as a program reading it once would: from the first writer's open to the
// end of its input, within half a minute. The pipe has its reader when this returns.
std::future<std::string> ReadPipeOnce(const fs::path& pipe) {
  const int fd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  return std::async(std::launch::async, [fd] {
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
      // No end of input is seen before a writer has come.
      pollfd ready{fd, POLLIN, 0};
      if (::poll(&ready, 1, 100) <= 0) continue;
      char buffer[4096];
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got <= 0) break;
      text.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return text;
  });
}

// A run that would hang is ended after 20 seconds.
ProcessResult CliWithin20s(const std::vector<std::string>& arguments) {
  return RunProcess(VANTRIC_CLI_PATH, arguments, std::chrono::seconds(20),
                    [](pid_t pid) { ::kill(pid, SIGKILL); });
}

TEST(CliProcessTest, PipesGetTheirOutputOnceTheRunHasEnded) {
  ScratchDir dir("cli-pipes");
  const fs::path log = dir.path() / "log", json = dir.path() / "json",
                 curve = dir.path() / "curve.csv";
  for (const fs::path& pipe : {log, json, curve}) ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

  std::future<std::string> log_text = ReadPipeOnce(log), json_text = ReadPipeOnce(json);
  const ProcessResult run = CliWithin20s({"--simulate", "8x-clv", "--tests", "burst2k", "--log",
                                          log.string(), "--json", json.string()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  std::string crlf;
  for (char c : run.out) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(log_text.get(), crlf);
  const std::string json_written = json_text.get();
  ASSERT_NE(json_written, "");
  EXPECT_EQ(std::get<std::string>(ParseFlatJson(json_written).at("SimulatedProfile")), "8x-clv");

  std::future<std::string> curve_text = ReadPipeOnce(curve);
  const ProcessResult curve_run = CliWithin20s({"--simulate", "8x-clv", "--curve", curve.string()});
  EXPECT_EQ(curve_run.exit_code, 0) << curve_run.err;
  EXPECT_EQ(curve_text.get().rfind("position_mb,position_percent,kbps,x\n0.502,", 0), 0u);
}

// The JSON and curve files are replaced whole or not at all: on a full disk the old ones stay
// as they were, and nothing else is left behind.
TEST(CliProcessTest, OnAFullDiskTheOldJsonAndCurveFilesStayWhole) {
  ScratchDir dir("cli-full-disk");
  const fs::path disk = dir.path() / "disk";
  ScratchMount tmpfs(disk.string(), "tmpfs", "size=64k");
  if (!tmpfs.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (needs CAP_SYS_ADMIN)";
  const std::string old_text = "{\"old\": true}\n";
  for (const char* name : {"run.json", "curve.json"}) std::ofstream(disk / name) << old_text;
  {
    std::ofstream filler(disk / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size())) filler.flush();
  }

  const ProcessResult run =
      Cli({"--simulate", "8x-clv", "--tests", "burst2k", "--json", (disk / "run.json").string()});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("Error writing JSON file.\n"), std::string::npos) << run.err;
  const ProcessResult curve =
      Cli({"--simulate", "8x-clv", "--curve", (disk / "curve.json").string()});
  EXPECT_EQ(curve.exit_code, 1);
  EXPECT_NE(curve.err.find("Error writing curve file"), std::string::npos) << curve.err;

  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(disk)) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"curve.json", "filler", "run.json"}));
  EXPECT_EQ(FileText(disk / "run.json"), old_text);
  EXPECT_EQ(FileText(disk / "curve.json"), old_text);
}

}  // namespace
}  // namespace vantric::testing
