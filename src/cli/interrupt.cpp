#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

namespace vantric {
namespace {

// Set from a signal handler, or on Windows from the console's own thread: a lock-free atomic
// is safe in both.
std::atomic<bool> interrupt_flag = false;
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int signal_number) {
  if (interrupt_flag) {
    // The run has not reacted to the first one: let the default action end the program.
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
    return;
  }
  interrupt_flag = true;
}

}  // namespace

void InstallInterruptHandler() { std::signal(SIGINT, OnInterrupt); }

bool InterruptRequested() { return interrupt_flag; }

void SetInterruptRequested(bool requested) { interrupt_flag = requested; }

}  // namespace vantric
