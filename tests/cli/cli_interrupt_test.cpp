#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <thread>

#include "cli_test_files.h"
#include "subprocess.h"

namespace vantric::testing {
namespace {

using std::chrono::milliseconds;

// A real drive run on a real file: the warm-up alone rests eight seconds, so Ctrl-C after one
// second lands inside it.
TEST(CliInterruptTest, CtrlCDuringTheWarmUpCancelsWithNothingWritten) {
  ScratchDir dir("cli-sigint");
  const fs::path root = dir.MakeFullDiscRoot("disc");
  const fs::path log = dir.path() / "never.log";
  const auto start = std::chrono::steady_clock::now();
  const ProcessResult result =
      RunProcess(VANTRIC_CLI_PATH, {"--drive", root.string(), "--log", log.string()},
                 milliseconds(1000), [](pid_t pid) { ::kill(pid, SIGINT); });
  const auto elapsed = std::chrono::steady_clock::now() - start;

  EXPECT_EQ(result.exit_code, 130);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("Test aborted by user.\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(log));
  // Cancelled at the end of the warm-up step under way, not after the whole warm-up.
  EXPECT_LT(elapsed, milliseconds(4000));
}

// A second Ctrl-C while the run still rests in its warm-up ends the program then and there, by
// the signal itself: no message, nothing written.
TEST(CliInterruptTest, ASecondCtrlCEndsTheProgramAtOnce) {
  ScratchDir dir("cli-sigint-twice");
  const fs::path root = dir.MakeFullDiscRoot("disc");
  const fs::path log = dir.path() / "never.log";
  std::chrono::steady_clock::duration took_to_end{};
  const ProcessResult result =
      RunProcess(VANTRIC_CLI_PATH, {"--drive", root.string(), "--log", log.string()},
                 milliseconds(1000), [&took_to_end](pid_t pid) {
                   ::kill(pid, SIGINT);
                   std::this_thread::sleep_for(milliseconds(20));
                   ::kill(pid, SIGINT);
                   const auto second = std::chrono::steady_clock::now();
                   // Waits for the end without reaping the child, which RunProcess does; a program
                   // that hangs is killed after two seconds, so that the test fails instead of
                   // hanging too.
                   siginfo_t ended{};
                   while (::waitid(P_PID, pid, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                          ended.si_pid != pid) {
                     if (std::chrono::steady_clock::now() - second > milliseconds(2000)) {
                       ::kill(pid, SIGKILL);
                       break;
                     }
                     std::this_thread::sleep_for(milliseconds(5));
                   }
                   took_to_end = std::chrono::steady_clock::now() - second;
                 });
  EXPECT_EQ(result.exit_code, 128 + SIGINT);
  EXPECT_LT(took_to_end, milliseconds(500));
  EXPECT_EQ(result.err.find("Test aborted by user."), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(fs::exists(log));
}

TEST(CliInterruptTest, ARealDriveRunCompletes) {
  ScratchDir dir("cli-real");
  const fs::path root = dir.MakeFullDiscRoot("disc");
  const ProcessResult result =
      RunProcess(VANTRIC_CLI_PATH, {"--drive", root.string(), "--tests", "read16,burst2k"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.err.find("Test file: " + (root / "DATA" / "VANTRIC.DAT").string()),
            std::string::npos);
  EXPECT_NE(result.out.find("\n     16k inside: "), std::string::npos);
  EXPECT_NE(result.out.find("\n     Drive rating: "), std::string::npos);
}

}  // namespace
}  // namespace vantric::testing
