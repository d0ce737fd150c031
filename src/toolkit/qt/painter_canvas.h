#pragma once

#include <QFont>
#include <QPainter>

#include "run/report_layout.h"

namespace vantric {

// The report's canvas on a painter that is active on a device: coordinates are the device's
// own units, measurements are the device's.
class PainterCanvas : public ReportCanvas {
 public:
  explicit PainterCanvas(QPainter& painter);

  int VerticalDpi() const override;
  void SetFont(const DeviceFont& font) override;
  int TextWidth(const std::string& text) const override;
  int LineHeight() const override;
  void TextOut(int x, int y, const std::string& text) override;

 private:
  QFontMetrics Metrics() const;

  QPainter& painter_;
};

}  // namespace vantric
