#pragma once

class QWidget;

namespace vantric {

// True while no call of PumpMessages is running; keeps the pump from running inside itself.
extern bool PumpFree;

// Handles every event that is waiting, without waiting for more. When a request to quit the
// program has arrived, the main window is closed and the program ends at once with exit
// code 0: the pump does not return.
void PumpMessages();

// Keeps the user interface running while another window is shown, and returns as soon as
// that window has been hidden. Sleeps until the next event instead of polling, so an open
// dialog costs no processor time.
void WaitWhileVisible(const QWidget& window);

// Watches the application for quit requests, which a dialog that refuses to close would
// otherwise swallow; main_window is the window closed on the way out. Call once.
void WatchForQuit(QWidget& main_window);

}  // namespace vantric
