#include "toolkit/qt/painter_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QString>

namespace vantric {

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) { painter_.setPen(Qt::black); }

int PainterCanvas::VerticalDpi() const { return painter_.device()->logicalDpiY(); }

void PainterCanvas::SetFont(const DeviceFont& font) {
  QFont qfont(QString::fromStdString(font.family));
  // Pixel size on a printer's painter is in the printer's dots, which is what the height is.
  qfont.setPixelSize(font.height);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  painter_.setFont(qfont);
}

QFontMetrics PainterCanvas::Metrics() const {
  return QFontMetrics(painter_.font(), painter_.device());
}

int PainterCanvas::TextWidth(const std::string& text) const {
  return Metrics().horizontalAdvance(QString::fromStdString(text));
}

int PainterCanvas::LineHeight() const { return Metrics().height(); }

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
  // The painter places text by its baseline; the report places it by its top.
  painter_.drawText(x, y + Metrics().ascent(), QString::fromStdString(text));
}

}  // namespace vantric
