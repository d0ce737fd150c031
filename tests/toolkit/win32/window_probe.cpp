// Lists the controls of another program's top-level window, found by its caption, for the
// scripts that drive the desktop under Wine: one line each, "class visible enabled text",
// separated by tabs. Exit code 1 when no visible window has that caption.
#include <cstdio>

#include "platform/win32/windows_api.h"

namespace {

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  char kind[64] = {};
  GetClassNameA(control, kind, sizeof kind);
  char text[512] = {};
  GetWindowTextA(control, text, sizeof text);
  std::printf("%s\t%d\t%d\t%s\n", kind, IsWindowVisible(control) ? 1 : 0,
              IsWindowEnabled(control) ? 1 : 0, text);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: window_probe CAPTION\n", stderr);
    return 2;
  }
  const HWND window = FindWindowA(nullptr, argv[1]);
  if (window == nullptr || !IsWindowVisible(window)) return 1;
  EnumChildWindows(window, PrintControl, 0);
  return 0;
}
