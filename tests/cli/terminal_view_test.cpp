#include "cli/terminal_view.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "cli/interrupt.h"
#include "fakes.h"

namespace vantric::testing {
namespace {

TEST(TerminalViewTest, OneUpdatingLineAndValuesAsTheyArrive) {
  std::ostringstream err;
  ScriptedPump pump;
  {
    TerminalView view(err, true, pump);
    view.SetWindowCaption("Vantric Pass 1 of 2");
    view.ShowTestStep(3, 17, "center");
    view.ShowTestCaption("Current Test: Read 16k");
    view.ShowTestProgress(25);
    view.SetText("read16vi", "1200 kps");
    view.SetText("read16vo", "");  // emptied at the start: nothing to say
    view.ShowTestStep(0, 17, "");  // between tests: no number, no place
    view.ShowTestCaption("Current Test: Finished");
    view.ShowMessage("Test aborted by user.");
  }
  const std::string line =
      "\r\x1b[KVantric Pass 1 of 2 - test 3 of 17 - Current Test: Read 16k center ";
  EXPECT_EQ(err.str(), "\r\x1b[KVantric Pass 1 of 2 -  0%" + line + "0%" + line + "25%" +
                           "\r\x1b[K16k inside: 1200 kps\n" + line + "25%" +
                           "\r\x1b[KVantric Pass 1 of 2 - Current Test: Finished 25%" +
                           "\r\x1b[KTest aborted by user.\n");
}

TEST(TerminalViewTest, QuietShowsOnlyMessages) {
  std::ostringstream err;
  ScriptedPump pump;
  TerminalView view(err, false, pump);
  view.ShowTestCaption("Current Test: Read 16k");
  view.SetText("read16vi", "1200 kps");
  view.ShowMessage("Error opening log file.");
  EXPECT_EQ(err.str(), "Error opening log file.\n");
}

TEST(TerminalViewTest, CtrlCBeforeOrDuringARunCancelsIt) {
  SetInterruptRequested(true);
  std::ostringstream out, err;
  const int code = RunCli({"--simulate", "8x-clv", "--quiet"}, out, err, false);
  SetInterruptRequested(false);
  EXPECT_EQ(code, kExitCancelled);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("Test aborted by user.\n"), std::string::npos);
}

}  // namespace
}  // namespace vantric::testing
