#pragma once

namespace vantric {

// Ctrl-C during a run: the handler only raises a flag, which the terminal's message pump hands
// to the engine. A second Ctrl-C ends the program at once.
void InstallInterruptHandler();
bool InterruptRequested();
// For tests: as if Ctrl-C had been pressed, or had never been.
void SetInterruptRequested(bool requested);

}  // namespace vantric
