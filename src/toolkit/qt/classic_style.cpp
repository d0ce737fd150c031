#include "toolkit/qt/classic_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace vantric {

QPalette ClassicPalette() {
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  QPalette palette;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, black);
    palette.setColor(group, QPalette::Text, black);
    palette.setColor(group, QPalette::ButtonText, black);
    palette.setColor(group, QPalette::Base, white);
    palette.setColor(group, QPalette::PlaceholderText, kClassicGreyText);
  }
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText}) {
    palette.setColor(QPalette::Disabled, role, kClassicGreyText);
  }
  // A disabled edit field shows the face through, as the classic controls do.
  palette.setColor(QPalette::Disabled, QPalette::Base, kClassicFace);
  palette.setColor(QPalette::Window, kClassicFace);
  palette.setColor(QPalette::Button, kClassicFace);
  palette.setColor(QPalette::AlternateBase, kClassicFace);
  palette.setColor(QPalette::Light, white);
  palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
  palette.setColor(QPalette::Mid, QColor(160, 160, 160));
  palette.setColor(QPalette::Dark, kClassicGreyText);
  palette.setColor(QPalette::Shadow, black);
  palette.setColor(QPalette::BrightText, white);
  palette.setColor(QPalette::Highlight, kClassicNavy);
  palette.setColor(QPalette::HighlightedText, white);
  palette.setColor(QPalette::Link, QColor(0, 0, 255));
  palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palette.setColor(QPalette::ToolTipText, black);
  return palette;
}

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
  switch (metric) {
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
      return 4;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* return_data) const {
  // Some desktops put pictures on dialog buttons; the design's buttons carry words only.
  if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
  return QProxyStyle::styleHint(hint, option, widget, return_data);
}

QPalette ClassicStyle::standardPalette() const { return ClassicPalette(); }

void UseClassicStyle() {
  QApplication::setStyle(new ClassicStyle);
  QApplication::setPalette(ClassicPalette());
}

void UseClassicPalette(QWidget& window) { window.setPalette(ClassicPalette()); }

}  // namespace vantric
