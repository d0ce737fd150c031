// The local message pump: its guard against running inside itself, the wait for another
// window, and the end of the program on a quit request.
#include "toolkit/qt/message_pump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

TEST(MessagePumpTest, ACallFromInsideThePumpReturnsAtOnce) {
  EnsureApplication();
  bool inner_ran_later_event = false;
  bool pump_busy_inside = false;
  QTimer::singleShot(0, [&] {
    pump_busy_inside = !PumpFree;
    QTimer::singleShot(0, [&] { inner_ran_later_event = true; });
    PumpMessages();  // must not handle the event just posted
    EXPECT_FALSE(inner_ran_later_event);
  });
  PumpMessages();
  EXPECT_TRUE(pump_busy_inside);
  EXPECT_TRUE(PumpFree);
  QCoreApplication::processEvents();
  EXPECT_TRUE(inner_ran_later_event);
}

TEST(MessagePumpTest, WaitReturnsAsSoonAsTheOtherWindowIsHidden) {
  EnsureApplication();
  QDialog other;
  other.show();
  int events_after_hide = 0;
  QTimer::singleShot(20, &other, [&] {
    other.hide();
    // Had the wait gone on, it would have handled this.
    QTimer::singleShot(0, [&] { ++events_after_hide; });
  });
  WaitWhileVisible(other);
  EXPECT_FALSE(other.isVisible());
  EXPECT_EQ(events_after_hide, 0);
  QCoreApplication::processEvents();
}

TEST(MessagePumpDeathTest, AQuitRequestWhileAnotherWindowIsShownEndsTheProgramWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        DesktopRig rig;
        QTimer::singleShot(0, [&] {
          QTimer::singleShot(10, [] { QCoreApplication::quit(); });
          QTimer::singleShot(2000, [&] { rig.Form2().window().Hide(); });  // a wait that missed it
          rig.Form1().confbtClick();  // the dialog refuses to close; only Ok hides it
          std::_Exit(3);              // the wait came back instead of ending the program
        });
        // Quit requests are heard only inside the message loop.
        rig.toolkit.RunMessageLoop(rig.Form1().window());
        std::_Exit(4);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vantric::testing
