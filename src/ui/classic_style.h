#pragma once

#include <QProxyStyle>

namespace vantric {

// The platform style with the tighter spacing the windows were laid out for: check box and
// radio texts sit closer to their boxes, so the longer captions fit their fixed widths.
class ClassicStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

// Puts the style on the whole application; call once, after the QApplication exists.
void UseClassicStyle();

}  // namespace vantric
