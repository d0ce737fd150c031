// Every named control of every window where the design puts it, in the container it
// belongs to, with the size it was given; labels sized by their text are checked by position.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "desktop_rig.h"

namespace vantric::testing {
namespace {

constexpr int kSizedByText = -1;

struct Placement {
  const char* window;
  const char* name;
  const char* container;  // the window itself, a group box or the panel
  int left, top, width, height;
};

constexpr Placement kPlacements[] = {
    // Main window.
    {"Form1", "Image2", "Form1", 0, 0, 359, 239},
    {"Form1", "w95r", "Form1", 15, 10, kSizedByText, kSizedByText},
    {"Form1", "w95c", "Form1", 15, 27, kSizedByText, kSizedByText},
    {"Form1", "Label1", "Form1", 15, 49, kSizedByText, kSizedByText},
    {"Form1", "testbt", "Form1", 29, 107, 75, 25},
    {"Form1", "confbt", "Form1", 136, 107, 75, 25},
    {"Form1", "resultsbt", "Form1", 243, 107, 75, 25},
    // Configuration dialog.
    {"Form2", "GroupBox1", "Form2", 4, 9, 81, 57},
    {"Form2", "read16", "GroupBox1", 8, 16, 69, 17},
    {"Form2", "read2", "GroupBox1", 8, 32, 61, 17},
    {"Form2", "GroupBox2", "Form2", 100, 9, 121, 57},
    {"Form2", "seekfull", "GroupBox2", 8, 16, 77, 17},
    {"Form2", "seekrand", "GroupBox2", 8, 32, 105, 17},
    {"Form2", "GroupBox3", "Form2", 232, 9, 141, 124},
    {"Form2", "cpu2x", "GroupBox3", 8, 16, 77, 17},
    {"Form2", "cpu4x", "GroupBox3", 8, 32, 77, 17},
    {"Form2", "cpu6x", "GroupBox3", 8, 48, 77, 17},
    {"Form2", "cpu8x", "GroupBox3", 8, 64, 77, 17},
    {"Form2", "cpu12x", "GroupBox3", 8, 80, 77, 17},
    {"Form2", "cpuuser", "GroupBox3", 8, 99, 49, 17},
    {"Form2", "userval", "GroupBox3", 58, 97, 53, 21},
    {"Form2", "Label1", "GroupBox3", 116, 100, kSizedByText, kSizedByText},
    {"Form2", "GroupBox4", "Form2", 232, 143, 141, 73},
    {"Form2", "burst2k", "GroupBox4", 8, 16, 65, 17},
    {"Form2", "burst8k", "GroupBox4", 8, 32, 69, 17},
    {"Form2", "burst16k", "GroupBox4", 8, 48, 73, 17},
    {"Form2", "Label2", "Form2", 4, 91, kSizedByText, kSizedByText},
    {"Form2", "LogEdit", "Form2", 48, 87, 137, 21},
    {"Form2", "BitBtn1", "Form2", 196, 85, 25, 25},
    {"Form2", "Label3", "Form2", 4, 121, kSizedByText, kSizedByText},
    {"Form2", "PassEdit", "Form2", 68, 117, 37, 21},
    {"Form2", "Memo1", "Form2", 4, 166, 217, 101},
    {"Form2", "Button2", "Form2", 232, 239, 55, 25},
    {"Form2", "Button1", "Form2", 312, 239, 61, 25},
    // Results window.
    {"Form3", "Image1", "Form3", 0, 0, 449, 347},
    {"Form3", "GroupBox1", "Form3", 9, 4, 153, 98},
    {"Form3", "GroupBox2", "Form3", 172, 4, 153, 98},
    {"Form3", "GroupBox3", "Form3", 9, 105, 153, 93},
    {"Form3", "GroupBox4", "Form3", 172, 105, 153, 93},
    {"Form3", "Button1", "Form3", 356, 46, 61, 29},
    {"Form3", "Button2", "Form3", 356, 90, 61, 29},
    {"Form3", "Button3", "Form3", 356, 134, 61, 29},
    {"Form3", "Panel1", "Form3", 35, 203, 380, 29},
    {"Form3", "CurTest", "Panel1", 9, 8, 173, 13},
    {"Form3", "Progress", "Panel1", 186, 8, 187, 13},
    {"Form3", "mindex", "Form3", 10, 199, kSizedByText, kSizedByText},
    {"Form3", "aindex", "Form3", 10, 217, kSizedByText, kSizedByText},
    {"Form3", "drvspeed", "Form3", 229, 199, kSizedByText, kSizedByText},
    {"Form3", "drvtype", "Form3", 229, 217, kSizedByText, kSizedByText},
    {"Form3", "Memo1", "Form3", 9, 236, 429, 106},
    {"Form3", "Font1", "Form3", 216, 159, kSizedByText, kSizedByText},
    {"Form3", "Font2", "Form3", 280, 159, kSizedByText, kSizedByText},
    {"Form3", "Font3", "Form3", 340, 152, kSizedByText, kSizedByText},
    {"Form3", "cpu", "Form3", 347, 17, kSizedByText, kSizedByText},
    {"Form3", "Label1", "GroupBox4", 15, 57, kSizedByText, kSizedByText},
    {"Form3", "Label2", "GroupBox4", 15, 69, kSizedByText, kSizedByText},
    // User information dialog.
    {"Form4", "Label1", "Form4", 4, 8, 157, 13},
    {"Form4", "Edit1", "Form4", 4, 24, 385, 21},
    {"Form4", "Label2", "Form4", 4, 48, 360, 13},
    {"Form4", "Edit2", "Form4", 4, 64, 385, 21},
    {"Form4", "Label3", "Form4", 4, 88, 236, 13},
    {"Form4", "Edit3", "Form4", 4, 104, 385, 21},
    {"Form4", "Button1", "Form4", 160, 128, 75, 25},
};

// The test lines of the results window's groups: name labels end between x = 83 and 86,
// values start at x = 92.
struct TestLinePlacement {
  const char* group;
  const char* name;
  const char* value;
  int top;
};

constexpr TestLinePlacement kTestLines[] = {
    {"GroupBox1", "read16i", "read16vi", 17},   {"GroupBox1", "read2i", "read2vi", 29},
    {"GroupBox1", "read16c", "read16vc", 41},   {"GroupBox1", "read2c", "read2vc", 53},
    {"GroupBox1", "read16o", "read16vo", 64},   {"GroupBox1", "read2o", "read2vo", 76},
    {"GroupBox2", "seekfull", "seekfullv", 16}, {"GroupBox2", "seekrand", "seekrandv", 28},
    {"GroupBox2", "lat", "latv", 40},           {"GroupBox3", "cpu2x", "cpu2xv", 16},
    {"GroupBox3", "cpu4x", "cpu4xv", 28},       {"GroupBox3", "cpu6x", "cpu6xv", 40},
    {"GroupBox3", "cpu8x", "cpu8xv", 52},       {"GroupBox3", "cpu12x", "cpu12xv", 64},
    {"GroupBox3", "cpuux", "cpuuxv", 76},       {"GroupBox4", "burst2k", "burst2kv", 16},
    {"GroupBox4", "burst8k", "burst8kv", 28},   {"GroupBox4", "burst16k", "burst16kv", 40},
};

class LayoutTest : public ::testing::Test {
 protected:
  QWidget& Window(const char* name) const {
    const Forms& forms = rig_.desktop->forms();
    for (QWidget* window :
         std::initializer_list<QWidget*>{forms.Form1, forms.Form2, forms.Form3, forms.Form4}) {
      if (window->objectName() == name) return *window;
    }
    throw std::runtime_error(std::string("no window ") + name);
  }

  // The control of that name inside the named container of the window.
  QWidget* Find(const char* window, const char* container, const char* name) const {
    QWidget& top = Window(window);
    QWidget* parent = top.objectName() == container ? &top : top.findChild<QWidget*>(container);
    if (parent == nullptr) return nullptr;
    return parent->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
  }

  DesktopRig rig_;
};

TEST_F(LayoutTest, EveryControlSitsWhereTheDesignPutsIt) {
  for (const Placement& placement : kPlacements) {
    SCOPED_TRACE(std::string(placement.window) + "." + placement.name);
    const QWidget* control = Find(placement.window, placement.container, placement.name);
    ASSERT_NE(control, nullptr) << "not a child of " << placement.container;
    EXPECT_EQ(control->pos(), QPoint(placement.left, placement.top));
    if (placement.width != kSizedByText) {
      EXPECT_EQ(control->size(), QSize(placement.width, placement.height));
    }
  }
}

TEST_F(LayoutTest, ResultLinesLineUpInTheirGroups) {
  for (const TestLinePlacement& line : kTestLines) {
    SCOPED_TRACE(line.name);
    const QWidget* name = Find("Form3", line.group, line.name);
    const QWidget* value = Find("Form3", line.group, line.value);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(name->y(), line.top);
    EXPECT_GE(name->x() + name->width(), 83);
    EXPECT_LE(name->x() + name->width(), 86);
    EXPECT_TRUE(qobject_cast<const QLabel*>(name)->alignment() & Qt::AlignRight);
    EXPECT_EQ(value->pos(), QPoint(92, line.top));
  }
}

TEST_F(LayoutTest, WindowsHaveTheirClientAreasAndCaptions) {
  const struct {
    const char* window;
    QSize client;
    const char* caption;
  } expected[] = {
      {"Form1", {359, 239}, "Vantric 1.65 for Windows 95/NT"},
      {"Form2", {376, 272}, "Vantric Configuration"},
      {"Form3", {449, 347}, "Vantric Pass 1/1"},
      {"Form4", {395, 158}, "Enter Information for Log File or Results Printout"},
  };
  for (const auto& window : expected) {
    SCOPED_TRACE(window.window);
    QWidget& form = Window(window.window);
    EXPECT_EQ(form.size(), window.client);
    EXPECT_EQ(form.minimumSize(), window.client);
    EXPECT_EQ(form.maximumSize(), window.client);
    EXPECT_EQ(form.windowTitle(), window.caption);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
  }
  // Only the main window has a close box.
  EXPECT_TRUE(Window("Form1").windowFlags() & Qt::WindowCloseButtonHint);
  for (const char* dialog : {"Form2", "Form3", "Form4"}) {
    EXPECT_FALSE(Window(dialog).windowFlags() & Qt::WindowCloseButtonHint) << dialog;
    EXPECT_FALSE(Window(dialog).windowFlags() & Qt::WindowSystemMenuHint) << dialog;
  }
}

TEST_F(LayoutTest, TextsFitTheControlsTheyWereSizedFor) {
  // A text wider than its fixed-size control would be cut off on the screen.
  for (const Placement& placement : kPlacements) {
    if (placement.width == kSizedByText) continue;
    const QWidget* control = Find(placement.window, placement.container, placement.name);
    ASSERT_NE(control, nullptr);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      EXPECT_LE(label->sizeHint().width(), label->width()) << placement.name;
    } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
      QStyleOptionButton option;
      option.initFrom(box);
      const QRect text_room =
          box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
      EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), text_room.width())
          << placement.name;
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
          << placement.name;
    }
  }
}

}  // namespace
}  // namespace vantric::testing
