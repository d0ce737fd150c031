// The windows look the same under any desktop colour scheme: their texts are drawn over fixed
// pictures and faces, so a scheme that reached them would make texts unreadable.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "desktop_rig.h"
#include "toolkit/qt/classic_style.h"
#include "toolkit/qt/standard_message.h"

namespace vantric::testing {
namespace {

constexpr const char* kThemedClasses[] = {"QWidget",   "QLabel",         "QPushButton",
                                          "QCheckBox", "QGroupBox",      "QLineEdit",
                                          "QDialog",   "QPlainTextEdit", "QMessageBox"};

// What a dark scheme does to a running application: platform themes give it a dark palette,
// and some give single widget classes their own.
class DarkDesktopScheme {
 public:
  DarkDesktopScheme() {
    QPalette dark;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base,
                                           QPalette::AlternateBase, QPalette::ToolTipBase}) {
      dark.setColor(role, QColor(42, 46, 50));
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
          QPalette::BrightText, QPalette::PlaceholderText}) {
      dark.setColor(role, QColor(252, 252, 252));
    }
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    Apply(dark);
  }
  ~DarkDesktopScheme() { Apply(ClassicPalette()); }

 private:
  static void Apply(const QPalette& palette) {
    QApplication::setPalette(palette);
    for (const char* name : kThemedClasses) QApplication::setPalette(palette, name);
  }
};

// Every kind of text the windows show: values, greyed names, result lines, descriptions,
// disabled controls, typed texts.
void ShowEveryKindOfText(DesktopRig& rig) {
  TForm3& results = rig.Form3();
  results.SetText("read16vi", "1200 kps");
  results.SetEnabled("cpuux", false);
  results.SetText("mindex", "Multimedia Index: 64");
  results.SetVisible("mindex", true);
  results.SetVisible("Panel1", false);
  results.DescribeStep(1);
  Widget<QCheckBox>(rig.Form2().window(), "read16")->setChecked(false);
  Widget<QLineEdit>(rig.Form4().window(), "Edit1")->setText("8X drive");
}

QImage MessageBoxPicture(QWidget& reporter) {
  QImage picture;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    picture = box->grab().toImage();
    box->button(QMessageBox::Ok)->click();
  });
  ShowStandardMessage(&reporter, "Test aborted by user.");
  return picture;
}

std::map<std::string, QImage> Pictures(DesktopRig& rig) {
  return {{"main window", Window(rig.Form1().window()).grab().toImage()},
          {"configuration dialog", Window(rig.Form2().window()).grab().toImage()},
          {"results window", Window(rig.Form3().window()).grab().toImage()},
          {"user information dialog", Window(rig.Form4().window()).grab().toImage()},
          {"message box", MessageBoxPicture(Window(rig.Form3().window()))}};
}

void ExpectSamePictures(const std::map<std::string, QImage>& actual,
                        const std::map<std::string, QImage>& expected) {
  for (const auto& [window, picture] : expected) {
    ASSERT_FALSE(picture.isNull()) << window;
    EXPECT_TRUE(actual.at(window) == picture) << "the " << window << " changed its look";
  }
}

TEST(ColourSchemeTest, ADarkDesktopSchemeChangesNoWindowWhetherSetBeforeOrAfterTheyAreMade) {
  DesktopRig rig;
  ShowEveryKindOfText(rig);
  const std::map<std::string, QImage> classic = Pictures(rig);
  // Black text on the light faces, as the design has it.
  EXPECT_EQ(Widget<QPlainTextEdit>(rig.Form3().window(), "Memo1")->palette().color(QPalette::Base),
            QColor(Qt::white));
  EXPECT_EQ(Widget<QGroupBox>(rig.Form3().window(), "GroupBox1")->palette().color(QPalette::Text),
            QColor(Qt::black));
  EXPECT_EQ(
      Widget<QPushButton>(rig.Form1().window(), "testbt")->palette().color(QPalette::ButtonText),
      kClassicNavy);

  DarkDesktopScheme dark;
  {
    SCOPED_TRACE("the scheme changed while the windows were open");
    ExpectSamePictures(Pictures(rig), classic);
  }
  {
    SCOPED_TRACE("the windows were made under the scheme");
    DesktopRig made_later;
    ShowEveryKindOfText(made_later);
    ExpectSamePictures(Pictures(made_later), classic);
  }
}

}  // namespace
}  // namespace vantric::testing
