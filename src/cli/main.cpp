#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/interrupt.h"

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// Ctrl-C and Ctrl-Break as SIGINT on Linux: the first asks the run to stop; a second one,
// while the run has not reacted, ends the program with the status a shell shows for SIGINT.
BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (vantric::InterruptRequested()) ExitProcess(vantric::kExitCancelled);
  vantric::SetInterruptRequested(true);
  return TRUE;
}

// The progress line redraws itself with escape sequences, which a console shows as such only
// with virtual terminal processing on; a console that cannot do it gets no progress line.
bool ErrorStreamIsConsole() {
  const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(err, &mode)) return false;
  return SetConsoleMode(err, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}
#else
bool ErrorStreamIsConsole() { return ::isatty(STDERR_FILENO) == 1; }
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
#else
  vantric::InstallInterruptHandler();
#endif
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vantric::RunCli(arguments, std::cout, std::cerr, ErrorStreamIsConsole());
}
