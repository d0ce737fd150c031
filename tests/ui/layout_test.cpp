// Every named control of every window where the design puts it, in the container it
// belongs to, with the size it was given; labels sized by their text are checked by position.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "desktop_rig.h"
#include "window_placements.h"

namespace vantric::testing {
namespace {

class LayoutTest : public ::testing::Test {
 protected:
  QWidget& WindowNamed(const char* name) const {
    for (const Form* form : {&rig_.Form1().window(), &rig_.Form2().window(), &rig_.Form3().window(),
                             &rig_.Form4().window()}) {
      QWidget& window = Window(*form);
      if (window.objectName() == name) return window;
    }
    throw std::runtime_error(std::string("no window ") + name);
  }

  // The control of that name inside the named container of the window.
  QWidget* Find(const char* window, const char* container, const char* name) const {
    QWidget& top = WindowNamed(window);
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
    if (placement.width != kByText) {
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
  for (const WindowPlacement& window : kWindows) {
    SCOPED_TRACE(window.window);
    QWidget& form = WindowNamed(window.window);
    const QSize client(window.client_width, window.client_height);
    EXPECT_EQ(form.size(), client);
    EXPECT_EQ(form.minimumSize(), client);
    EXPECT_EQ(form.maximumSize(), client);
    EXPECT_EQ(form.windowTitle(), window.caption);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
  }
  // Only the main window has a close box.
  EXPECT_TRUE(WindowNamed("Form1").windowFlags() & Qt::WindowCloseButtonHint);
  for (const char* dialog : {"Form2", "Form3", "Form4"}) {
    EXPECT_FALSE(WindowNamed(dialog).windowFlags() & Qt::WindowCloseButtonHint) << dialog;
    EXPECT_FALSE(WindowNamed(dialog).windowFlags() & Qt::WindowSystemMenuHint) << dialog;
  }
}

TEST_F(LayoutTest, TextsFitTheControlsTheyWereSizedFor) {
  // A text wider than its fixed-size control would be cut off on the screen.
  for (const Placement& placement : kPlacements) {
    if (placement.width == kByText) continue;
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
