#include "cli/interrupt.h"

#include <csignal>

namespace vantric {
namespace {

volatile std::sig_atomic_t interrupt_flag = 0;

extern "C" void OnInterrupt(int signal_number) {
  if (interrupt_flag) {
    // The run has not reacted to the first one: let the default action end the program.
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
    return;
  }
  interrupt_flag = 1;
}

}  // namespace

void InstallInterruptHandler() { std::signal(SIGINT, OnInterrupt); }

bool InterruptRequested() { return interrupt_flag != 0; }

void SetInterruptRequested(bool requested) { interrupt_flag = requested ? 1 : 0; }

}  // namespace vantric
