#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/interrupt.h"

int main(int argc, char** argv) {
  vantric::InstallInterruptHandler();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vantric::RunCli(arguments, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
