// The Win32 windows where the design puts every control, read back from the system: the same
// numbers the Qt windows are held to.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win32_desktop_rig.h"
#include "window_placements.h"

namespace vantric::testing {
namespace {

RECT InClientOf(HWND container, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST(Win32Layout, EveryControlSitsWhereTheDesignPutsIt) {
  const Win32DesktopRig rig;
  for (const Placement& placement : kPlacements) {
    SCOPED_TRACE(std::string(placement.window) + "." + placement.name);
    const Win32Form& form = rig.Window(placement.window);
    const HWND control = form.ControlWindow(placement.name);
    ASSERT_NE(control, nullptr);
    const HWND container = std::strcmp(placement.container, placement.window) == 0
                               ? form.handle()
                               : form.ControlWindow(placement.container);
    ASSERT_EQ(GetParent(control), container) << "not a child of " << placement.container;
    const RECT rect = InClientOf(container, control);
    EXPECT_EQ(rect.left, placement.left);
    EXPECT_EQ(rect.top, placement.top);
    if (placement.width != kByText) {
      EXPECT_EQ(rect.right - rect.left, placement.width);
      EXPECT_EQ(rect.bottom - rect.top, placement.height);
    }
  }
}

TEST(Win32Layout, ResultLinesLineUpInTheirGroups) {
  const Win32DesktopRig rig;
  const Win32Form& results = rig.Window("Form3");
  for (const TestLinePlacement& line : kTestLines) {
    SCOPED_TRACE(line.name);
    const HWND group = results.ControlWindow(line.group);
    const HWND name = results.ControlWindow(line.name);
    const HWND value = results.ControlWindow(line.value);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(value, nullptr);
    ASSERT_EQ(GetParent(name), group);
    const RECT name_rect = InClientOf(group, name);
    EXPECT_EQ(name_rect.top, line.top);
    EXPECT_GE(name_rect.right, 83);
    EXPECT_LE(name_rect.right, 86);
    EXPECT_EQ(GetWindowLongA(name, GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
    const RECT value_rect = InClientOf(group, value);
    EXPECT_EQ(value_rect.left, 92);
    EXPECT_EQ(value_rect.top, line.top);
  }
}

TEST(Win32Layout, LabelsSizedByTheirTextTakeTheSizeOfANewText) {
  // Otherwise a value longer than the design text would be cut off.
  const Win32DesktopRig rig;
  Win32Form& results = rig.Window("Form3");
  results.SetText("drvspeed", "Drive rating: 52.0X");
  const HWND label = results.ControlWindow("drvspeed");
  const HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32A(dc, "Drive rating: 52.0X", 19, &text);
  ReleaseDC(label, dc);
  RECT rect;
  GetWindowRect(label, &rect);
  EXPECT_EQ(rect.right - rect.left, text.cx);
  EXPECT_EQ(rect.bottom - rect.top, text.cy);
}

TEST(Win32Layout, WindowsHaveTheirClientAreasCaptionsAndFrames) {
  const Win32DesktopRig rig;
  for (const WindowPlacement& window : kWindows) {
    SCOPED_TRACE(window.window);
    const HWND form = rig.Window(window.window).handle();
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, window.client_width);
    EXPECT_EQ(client.bottom, window.client_height);
    EXPECT_EQ(TextOf(form), window.caption);
    const LONG style = GetWindowLongA(form, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    // Only the main window has a system menu, and with it the close box.
    EXPECT_EQ((style & WS_SYSMENU) != 0, std::strcmp(window.window, "Form1") == 0);
    // Centred on the screen.
    RECT frame;
    GetWindowRect(form, &frame);
    EXPECT_LE(std::abs(frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN)), 1);
    EXPECT_LE(std::abs(frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN)), 1);
  }
}

TEST(Win32Layout, TextsFitTheLabelsAndButtonsTheyWereSizedFor) {
  // A text wider than its fixed-size control would be cut off on the screen. (Check boxes are
  // left out: where their text starts is the system's affair, and one of the design's does
  // not fit with the system's gap after the box.)
  const Win32DesktopRig rig;
  const HDC dc = GetDC(nullptr);
  for (const Placement& placement : kPlacements) {
    if (placement.width == kByText) continue;
    const HWND control = rig.Control(placement.window, placement.name);
    const std::string text = TextOf(control);
    char kind[32] = {};
    GetClassNameA(control, kind, sizeof kind);
    const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    int room = placement.width;
    if (_stricmp(kind, "Button") == 0) {
      if (type != BS_OWNERDRAW) continue;
      room -= 8;  // the frame and the focus rectangle
    } else if (_stricmp(kind, "Static") != 0) {
      continue;
    }
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    EXPECT_LE(size.cx, room) << placement.window << "." << placement.name << ": " << text;
  }
  ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace vantric::testing
