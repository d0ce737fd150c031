#include "toolkit/win32/standard_message.h"

#include "forms/toolkit.h"

namespace vantric {
namespace {

// The box places itself in the middle of its owner; this moves it, on this thread only, as it
// becomes active, before it is first drawn.
thread_local HHOOK placing_hook = nullptr;
thread_local POINT box_corner{};

LRESULT CALLBACK PlaceBox(int code, WPARAM w, LPARAM l) {
  if (code != HCBT_ACTIVATE) return CallNextHookEx(placing_hook, code, w, l);
  SetWindowPos(reinterpret_cast<HWND>(w), nullptr, box_corner.x, box_corner.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UnhookWindowsHookEx(placing_hook);
  placing_hook = nullptr;
  return 0;
}

}  // namespace

void ShowStandardMessage(HWND reporter, const std::string& text) {
  RECT frame{};
  GetWindowRect(reporter, &frame);
  box_corner = {frame.left, frame.top};
  placing_hook = SetWindowsHookExA(WH_CBT, PlaceBox, nullptr, GetCurrentThreadId());
  MessageBoxA(reporter, text.c_str(), kApplicationTitle, MB_OK);
  if (placing_hook != nullptr) {
    UnhookWindowsHookEx(placing_hook);
    placing_hook = nullptr;
  }
}

}  // namespace vantric
