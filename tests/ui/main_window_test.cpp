// The main window: the cache labels, the three commands and their messages.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

constexpr const char* kCdfsKey = "System\\CurrentControlSet\\Control\\FileSystem\\CDFS";
constexpr uint32_t kWindows95Version = 0xC0000004;

// A Windows 95 system whose registry holds the cache values given (none: no key at all).
std::function<void(DesktopRig&)> Windows95(std::map<std::string, int32_t> values) {
  return [values](DesktopRig& rig) {
    rig.system.version = kWindows95Version;
    if (!values.empty()) rig.registry.existing_key = kCdfsKey;
    rig.registry.values = values;
  };
}

TEST(MainWindowTest, HidesTheCacheLabelsOnTheNtFamilyWhateverTheRegistryHolds) {
  DesktopRig rig("ideal-8x-clv", [](DesktopRig& rig) {
    rig.registry.existing_key = kCdfsKey;
    rig.registry.values = {{"Prefetch", 32}, {"CacheSize", 1312}};
  });
  for (const char* label : {"w95r", "w95c", "Label1"}) {
    EXPECT_TRUE(Widget<QLabel>(rig.Form1().window(), label)->isHidden()) << label;
  }
}

TEST(MainWindowTest, CompletesTheCacheLabelsOnWindows95) {
  DesktopRig rig("ideal-8x-clv", Windows95({{"Prefetch", 32}, {"CacheSize", 1312}}));
  const Form& window = rig.Form1().window();
  const QLabel* w95r = Widget<QLabel>(window, "w95r");
  EXPECT_FALSE(w95r->isHidden());
  EXPECT_EQ(w95r->text(), "Win95 CDFS read ahead  is 64k");
  // The cache shown is what is left after the read-ahead.
  EXPECT_EQ(window.Text("w95c"), "Win95 CDFS cache size is 2560k");
  EXPECT_EQ(window.Text("Label1"), "(See System Properties/Performance/File System/CD-ROM)");
  // The label grows with its text instead of cutting it off.
  EXPECT_GE(w95r->width(), w95r->fontMetrics().horizontalAdvance(w95r->text()));
}

TEST(MainWindowTest, ShowsUnknownCacheValuesOnWindows95) {
  DesktopRig without_key("ideal-8x-clv", Windows95({}));
  EXPECT_EQ(without_key.Form1().window().Text("w95r"), "Win95 CDFS read ahead  is unknown");
  EXPECT_EQ(without_key.Form1().window().Text("w95c"), "Win95 CDFS cache size is unknown");

  DesktopRig cache_not_above_prefetch("ideal-8x-clv",
                                      Windows95({{"Prefetch", 64}, {"CacheSize", 64}}));
  EXPECT_EQ(cache_not_above_prefetch.Form1().window().Text("w95r"),
            "Win95 CDFS read ahead  is 128k");
  EXPECT_EQ(cache_not_above_prefetch.Form1().window().Text("w95c"),
            "Win95 CDFS cache size is unknown");

  DesktopRig negative("ideal-8x-clv", Windows95({{"Prefetch", -5}, {"CacheSize", 100}}));
  EXPECT_EQ(negative.Form1().window().Text("w95r"), "Win95 CDFS read ahead  is unknown");
}

TEST(MainWindowTest, NoDiscOrTwoDiscsGiveTheirMessageAndStartNothing) {
  DesktopRig no_disc("ideal-8x-clv", [](DesktopRig& rig) {
    rig.simulation->drives().SetDriveType('D', DRIVE_FIXED);
  });
  DesktopRig two_discs("ideal-8x-clv", [](DesktopRig& rig) {
    rig.simulation->drives().SetDriveType('E', DRIVE_CDROM);
    rig.simulation->drives().AddFile("E:\\VANTRIC.DAT", nullptr);
  });
  const struct {
    DesktopRig& rig;
    const char* message;
  } cases[] = {
      {no_disc, "Insert Vantric disc in drive before running test."},
      {two_discs, "Please insert only ONE Vantric disc in CD-ROM drive(s) for test."},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.message);
    MessageRecorder messages;
    TForm1& form = each.rig.Form1();
    form.window().Show();
    form.testbtClick();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], each.message);
    EXPECT_EQ(messages.reporters[0], &Window(form.window()));
    EXPECT_TRUE(form.window().IsVisible());
    EXPECT_FALSE(each.rig.Form3().window().IsVisible());
    EXPECT_EQ(each.rig.pump.calls, 0) << "a run was started";
    EXPECT_FALSE(Widget<QPushButton>(form.window(), "resultsbt")->isEnabled());
    form.window().Hide();
  }
}

TEST(MainWindowTest, ViewResultsWithoutValidResultsOnlyTellsSo) {
  DesktopRig rig;
  MessageRecorder messages;
  rig.Form1().window().Show();
  rig.Form1().resultsbtClick();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "No valid test data available.");
  EXPECT_FALSE(rig.Form3().window().IsVisible());
  EXPECT_TRUE(rig.Form1().window().IsVisible());
  rig.Form1().window().Hide();
}

TEST(MainWindowTest, ConfigureShowsTheDialogInsteadAndComesBackWhenItHides) {
  DesktopRig rig;
  Form& main_window = rig.Form1().window();
  main_window.Show();
  bool main_window_was_hidden = false;
  WhenShown(rig.Form2().window(), [&] {
    main_window_was_hidden = !main_window.IsVisible();
    Widget<QPushButton>(rig.Form2().window(), "Button2")->click();
  });
  rig.Form1().confbtClick();
  EXPECT_TRUE(main_window_was_hidden);
  EXPECT_FALSE(rig.Form2().window().IsVisible());
  EXPECT_TRUE(main_window.IsVisible());
  main_window.Hide();
}

}  // namespace
}  // namespace vantric::testing
