// A disc put into the drive while the program runs, and never mounted, is found at the next
// press of "Run Test": the program looks at the drive anew each time. Its test file is too
// short, so the run then meets a failed read and ends with it.
#include <gtest/gtest.h>

#include "desktop_rig.h"
#include "fake_machine.h"
#include "platform/native.h"
#include "sim/virtual_clock.h"
#include "temp_dir.h"

namespace vantric::testing {
namespace {

constexpr int64_t kSector = 2048;

TEST(DiscInsertJourney, ADiscInsertedAfterStartIsFoundUnmountedAtTheNextRunTest) {
  if (!HaveXorriso()) GTEST_SKIP() << "xorriso is not installed; it makes the disc image";
  EnsureApplication();
  TempDir dir;
  FakeMachine machine(dir / "machine");
  machine.AddDrive("sr0");
  VirtualClock clock;  // the run's pauses take no real time; the rates do not matter here
  NativeDrives drives({}, machine.paths());
  FakeRegistry registry;
  FakeSystem system;
  EventPump pump;
  Desktop desktop(Platform{clock, drives, registry, system, pump});
  TForm1& main_window = *desktop.forms().Form1;
  MessageRecorder messages;
  main_window.show();

  main_window.testbtClick();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Insert Vantric disc in drive before running test.");
  EXPECT_EQ(messages.reporters[0], &main_window);

  WriteFile(dir / "tree/DATA/VANTRIC.DAT", PatternBytes(64 * kSector));
  ASSERT_TRUE(MakeIsoImage(dir / "tree", dir / "disc.iso", "-R -J"));
  machine.Insert("sr0", dir / "disc.iso");
  main_window.testbtClick();

  EXPECT_EQ(desktop.engine().TestFilePath(), "D:\\DATA\\VANTRIC.DAT");
  ASSERT_NE(desktop.engine().TestFile(), nullptr);
  EXPECT_EQ(desktop.engine().TestFile()->Mode(), ReadMode::kDevice);
  // The run read sector 0 from the disc and went on to the warm-up, whose first read lies past
  // the end of this small test file: the run stops there, from the results window.
  ASSERT_EQ(messages.texts.size(), 2u);
  EXPECT_EQ(messages.texts[1],
            "Error reading the test disc at sector 210016: the read returned fewer bytes than "
            "asked for.");
  EXPECT_EQ(messages.reporters[1], desktop.forms().Form3);
  EXPECT_TRUE(messages.reporters_visible[1]) << "told over the results window, before it closes";
  // Ended as a cancelled run ends: nothing to view.
  EXPECT_FALSE(desktop.forms().Form3->isVisible());
  EXPECT_TRUE(main_window.isVisible());
  EXPECT_FALSE(main_window.resultsbt->isEnabled());
  main_window.hide();
}

}  // namespace
}  // namespace vantric::testing
