// What the Win32 toolkit does itself: its message box, the dialog keys, the clicks from inside
// group boxes, and the pump's guard and quit.
#include <gtest/gtest.h>

#include <string>

#include "forms/configuration_dialog.h"
#include "win32_desktop_rig.h"

namespace vantric::testing {
namespace {

// The standard message box as it stood on the screen, then answered with OK.
struct SeenBox {
  bool found = false;
  RECT frame{};
  std::string text;
  bool has_icon = false;
};
SeenBox seen_box;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = FindWindowA("#32770", kApplicationTitle);
  if (box == nullptr || !IsWindowVisible(box)) return;
  KillTimer(nullptr, timer);
  seen_box.found = true;
  GetWindowRect(box, &seen_box.frame);
  char text[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static
  seen_box.text = text;
  seen_box.has_icon = GetDlgItem(box, 0x14) != nullptr;  // the icon's static
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(Win32Toolkit, MessageBoxSitsOnTheReportingWindowsCorner) {
  Win32DesktopRig rig;
  Win32Form& reporter = rig.Window("Form3");
  reporter.Show();
  // Away from the middle of the screen, where a box would be on its own.
  SetWindowPos(reporter.handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT corner;
  GetWindowRect(reporter.handle(), &corner);
  seen_box = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
  rig.toolkit.ShowMessage(reporter, "Test aborted by user.");
  KillTimer(nullptr, timer);
  ASSERT_TRUE(seen_box.found);
  EXPECT_EQ(seen_box.frame.left, corner.left);
  EXPECT_EQ(seen_box.frame.top, corner.top);
  EXPECT_EQ(seen_box.text, "Test aborted by user.");
  EXPECT_FALSE(seen_box.has_icon);
}

// Key presses as the message loop gets them, through the toolkit's dispatch.
void PressKey(Win32Toolkit& toolkit, HWND focus, WPARAM key) {
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
  toolkit.ProcessMessages();
}

TEST(Win32Toolkit, EnterPressesTheDefaultButtonAndEscapeAndClosingDoNothing) {
  Win32DesktopRig rig;
  Win32Form& dialog = rig.Window("Form2");
  dialog.Show();
  const HWND log_name = dialog.ControlWindow("LogEdit");
  SetFocus(log_name);
  dialog.SetText("PassEdit", "0");
  std::vector<std::string> messages;
  rig.toolkit.SetMessageHandler(
      [&](Win32Form&, const std::string& text) { messages.push_back(text); });

  PressKey(rig.toolkit, log_name, VK_ESCAPE);
  SendMessageA(dialog.handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(dialog.IsVisible());
  EXPECT_TRUE(messages.empty());

  // Enter in an edit field presses Ok, which refuses the pass count.
  PressKey(rig.toolkit, log_name, VK_RETURN);
  EXPECT_EQ(messages, std::vector<std::string>{"Invalid number of test passes."});
  // On a push button, Enter presses that button: Reset puts the passes back to 1.
  SetFocus(dialog.ControlWindow("Button1"));
  PressKey(rig.toolkit, dialog.ControlWindow("Button1"), VK_RETURN);
  EXPECT_EQ(dialog.Text("PassEdit"), "1");
  EXPECT_TRUE(dialog.IsVisible());
}

TEST(Win32Toolkit, ClosingTheMainWindowAsksToQuit) {
  Win32DesktopRig rig;
  Win32Form& main_window = rig.Window("Form1");
  main_window.Show();
  SendMessageA(main_window.handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(main_window.IsVisible());
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Win32Toolkit, ClicksInAGroupBoxReachTheirHandlers) {
  Win32DesktopRig rig;
  Win32Form& dialog = rig.Window("Form2");
  dialog.Show();
  const HWND read16 = dialog.ControlWindow("read16");
  ASSERT_NE(GetParent(read16), dialog.handle());
  SendMessageA(read16, BM_CLICK, 0, 0);
  EXPECT_FALSE(dialog.Checked("read16"));
  for (const char* control : {"cpu2x", "cpu12x", "cpuuser", "userval", "Label1"}) {
    EXPECT_FALSE(IsWindowEnabled(dialog.ControlWindow(control))) << control;
  }
  EXPECT_TRUE(dialog.Checked("cpu2x"));
  // Reset checks it again in code, which runs the same handler.
  SendMessageA(dialog.ControlWindow("Button1"), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(dialog.ControlWindow("cpu2x")));
}

// The save dialog as it stood on the screen, answered with a name of no extension.
struct SeenSaveDialog {
  bool found = false;
  std::string initial_name;
};
SeenSaveDialog seen_save_dialog;

void CALLBACK AnswerSaveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = FindWindowA("#32770", "Save Log File As");
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  seen_save_dialog.found = true;
  constexpr int kFileNameField = 0x47C;  // the dialog's file name box
  char name[MAX_PATH] = {};
  GetDlgItemTextA(dialog, kFileNameField, name, sizeof name);
  seen_save_dialog.initial_name = name;
  SetDlgItemTextA(dialog, kFileNameField, "C:\\windows\\temp\\chosen");
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST(Win32Toolkit, TheBrowseButtonTakesTheNameConfirmedInTheSaveDialog) {
  Win32DesktopRig rig;
  Win32Form& dialog = rig.Window("Form2");
  dialog.Show();
  seen_save_dialog = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerSaveDialog);
  SendMessageA(dialog.ControlWindow("BitBtn1"), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(seen_save_dialog.found);
  EXPECT_EQ(seen_save_dialog.initial_name, "vantric");
  // The default extension is added, and the name is the full path.
  EXPECT_EQ(dialog.Text("LogEdit"), "C:\\windows\\temp\\chosen.log");
}

// A handler the pump dispatched calls the pump again, which must leave the queue alone.
Win32Toolkit* pumping_toolkit = nullptr;
bool timer_ran = false;
bool nested_pump_left_message = false;

void CALLBACK PumpFromHandler(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  timer_ran = true;
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  pumping_toolkit->PumpMessages();
  MSG message;
  nested_pump_left_message = PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_NOREMOVE);
}

TEST(Win32Toolkit, ThePumpDoesNotRunInsideItself) {
  Win32DesktopRig rig;
  pumping_toolkit = &rig.toolkit;
  timer_ran = false;
  SetTimer(nullptr, 0, 10, PumpFromHandler);
  for (int i = 0; i < 500 && !timer_ran; ++i) {
    rig.toolkit.PumpMessages();
    Sleep(2);
  }
  ASSERT_TRUE(timer_ran);
  EXPECT_TRUE(nested_pump_left_message);
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_NOREMOVE))
      << "the outer pump handles what the inner one left";
}

TEST(Win32ToolkitDeathTest, TheQuitMessageEndsTheProgramWithExitCodeZero) {
  EXPECT_EXIT(
      {
        Win32DesktopRig rig;
        rig.Window("Form2").Show();
        PostQuitMessage(0);
        rig.toolkit.PumpMessages();
        std::exit(3);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vantric::testing
