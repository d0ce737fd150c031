#include "ui/classic_style.h"

#include <QApplication>

namespace vantric {

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

void UseClassicStyle() { QApplication::setStyle(new ClassicStyle); }

}  // namespace vantric
