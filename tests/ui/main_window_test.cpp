// The main window: the cache labels, the three commands and their messages.
#include <gtest/gtest.h>

#include <QTimer>

#include "desktop_rig.h"
#include "ui/message_pump.h"

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
  EXPECT_TRUE(rig.Form1().w95r->isHidden());
  EXPECT_TRUE(rig.Form1().w95c->isHidden());
  EXPECT_TRUE(rig.Form1().Label1->isHidden());
}

TEST(MainWindowTest, CompletesTheCacheLabelsOnWindows95) {
  DesktopRig rig("ideal-8x-clv", Windows95({{"Prefetch", 32}, {"CacheSize", 1312}}));
  EXPECT_FALSE(rig.Form1().w95r->isHidden());
  EXPECT_EQ(rig.Form1().w95r->text(), "Win95 CDFS read ahead  is 64k");
  // The cache shown is what is left after the read-ahead.
  EXPECT_EQ(rig.Form1().w95c->text(), "Win95 CDFS cache size is 2560k");
  EXPECT_EQ(rig.Form1().Label1->text(), "(See System Properties/Performance/File System/CD-ROM)");
  // The label grows with its text instead of cutting it off.
  EXPECT_GE(rig.Form1().w95r->width(),
            rig.Form1().w95r->fontMetrics().horizontalAdvance(rig.Form1().w95r->text()));
}

TEST(MainWindowTest, ShowsUnknownCacheValuesOnWindows95) {
  DesktopRig without_key("ideal-8x-clv", Windows95({}));
  EXPECT_EQ(without_key.Form1().w95r->text(), "Win95 CDFS read ahead  is unknown");
  EXPECT_EQ(without_key.Form1().w95c->text(), "Win95 CDFS cache size is unknown");

  DesktopRig cache_not_above_prefetch("ideal-8x-clv",
                                      Windows95({{"Prefetch", 64}, {"CacheSize", 64}}));
  EXPECT_EQ(cache_not_above_prefetch.Form1().w95r->text(), "Win95 CDFS read ahead  is 128k");
  EXPECT_EQ(cache_not_above_prefetch.Form1().w95c->text(), "Win95 CDFS cache size is unknown");

  DesktopRig negative("ideal-8x-clv", Windows95({{"Prefetch", -5}, {"CacheSize", 100}}));
  EXPECT_EQ(negative.Form1().w95r->text(), "Win95 CDFS read ahead  is unknown");
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
    form.show();
    form.testbtClick();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], each.message);
    EXPECT_EQ(messages.reporters[0], &form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(each.rig.Form3().isVisible());
    EXPECT_EQ(each.rig.pump.calls, 0) << "a run was started";
    EXPECT_FALSE(form.resultsbt->isEnabled());
    form.hide();
  }
}

TEST(MainWindowTest, ViewResultsWithoutValidResultsOnlyTellsSo) {
  DesktopRig rig;
  MessageRecorder messages;
  rig.Form1().show();
  rig.Form1().resultsbtClick();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "No valid test data available.");
  EXPECT_FALSE(rig.Form3().isVisible());
  EXPECT_TRUE(rig.Form1().isVisible());
  rig.Form1().hide();
}

TEST(MainWindowTest, ConfigureShowsTheDialogInsteadAndComesBackWhenItHides) {
  DesktopRig rig;
  TForm1& main_window = rig.Form1();
  main_window.show();
  bool main_window_was_hidden = false;
  WhenShown(rig.Form2(), [&] {
    main_window_was_hidden = !main_window.isVisible();
    rig.Form2().Button2->click();
  });
  main_window.confbtClick();
  EXPECT_TRUE(main_window_was_hidden);
  EXPECT_FALSE(rig.Form2().isVisible());
  EXPECT_TRUE(main_window.isVisible());
  main_window.hide();
}

}  // namespace
}  // namespace vantric::testing
