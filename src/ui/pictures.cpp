#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantric {
namespace {

// A small generator of our own: the standard distributions may differ between libraries,
// and the pictures must not.
class Scatter {
 public:
  explicit Scatter(uint32_t seed) : state_(seed) {}
  double Next() {  // 0 <= value < 1
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xFFFFFF) / double(0x1000000);
  }
  double Between(double low, double high) { return low + (high - low) * Next(); }

 private:
  uint32_t state_;
};

struct Disc {
  QPointF centre;
  double radius;
};

constexpr int kDiscCount = 14;

std::vector<Disc> ScatterDiscs(QSize size, uint32_t seed) {
  Scatter scatter(seed);
  std::vector<Disc> discs;
  const double scale = std::min(size.width(), size.height());
  for (int i = 0; i < kDiscCount; ++i) {
    discs.push_back({QPointF(scatter.Between(-0.1, 1.1) * size.width(),
                             scatter.Between(-0.1, 1.1) * size.height()),
                     scale * scatter.Between(0.12, 0.3)});
  }
  return discs;
}

QPainterPath DiscShape(const Disc& disc) {
  QPainterPath shape;
  shape.addEllipse(disc.centre, disc.radius, disc.radius);
  const double hole = disc.radius * 0.12;
  shape.addEllipse(disc.centre, hole, hole);  // odd-even fill leaves the hole open
  return shape;
}

void PaintDarkDisc(QPainter& painter, const Disc& disc) {
  QRadialGradient sheen(disc.centre, disc.radius,
                        disc.centre - QPointF(disc.radius * 0.4, disc.radius * 0.5));
  sheen.setColorAt(0.0, QColor(110, 110, 110));
  sheen.setColorAt(0.6, QColor(72, 72, 72));
  sheen.setColorAt(1.0, QColor(52, 52, 52));
  painter.setPen(QPen(QColor(28, 28, 28), 1.0));
  painter.setBrush(sheen);
  painter.drawPath(DiscShape(disc));
  // The clamping ring and the edge of the data area.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(88, 88, 88), 1.0));
  painter.drawEllipse(disc.centre, disc.radius * 0.3, disc.radius * 0.3);
  painter.drawEllipse(disc.centre, disc.radius * 0.94, disc.radius * 0.94);
}

void PaintEmbossedDisc(QPainter& painter, const Disc& disc) {
  const QPainterPath shape = DiscShape(disc);
  // Light from the top left: a highlight above, a shadow below, the face in between.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(250, 250, 250), 2.0));
  painter.drawPath(shape.translated(-1, -1));
  painter.setPen(QPen(QColor(160, 160, 160), 2.0));
  painter.drawPath(shape.translated(1, 1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(214, 214, 214));
  painter.drawPath(shape);
  for (double ring : {0.3, 0.94}) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(246, 246, 246), 1.0));
    painter.drawEllipse(disc.centre + QPointF(-0.5, -0.5), disc.radius * ring, disc.radius * ring);
    painter.setPen(QPen(QColor(176, 176, 176), 1.0));
    painter.drawEllipse(disc.centre + QPointF(0.5, 0.5), disc.radius * ring, disc.radius * ring);
  }
}

QPixmap PaintMontage(QSize size, uint32_t seed, const QColor& ground,
                     void (*paint_disc)(QPainter&, const Disc&)) {
  QPixmap picture(size);
  picture.fill(ground);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Disc& disc : ScatterDiscs(size, seed)) paint_disc(painter, disc);
  return picture;
}

}  // namespace

QPixmap DarkDiscMontage(QSize size) {
  return PaintMontage(size, 0x5EEDC0DEu, QColor(40, 40, 40), PaintDarkDisc);
}

QPixmap EmbossedDiscMontage(QSize size) {
  return PaintMontage(size, 0xD15C5EEDu, QColor(208, 208, 208), PaintEmbossedDisc);
}

QPixmap DocumentPage(bool greyed) {
  QPixmap page(16, 16);
  page.fill(Qt::transparent);
  QPainter painter(&page);
  const QColor outline = greyed ? QColor(128, 128, 128) : QColor(0, 0, 0);
  const QColor paper = greyed ? QColor(212, 208, 200) : QColor(255, 255, 255);
  const QColor lines = greyed ? QColor(160, 160, 160) : QColor(0, 0, 128);
  // A sheet with its top-right corner folded down.
  const QPolygon sheet({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)});
  painter.setPen(outline);
  painter.setBrush(paper);
  painter.drawPolygon(sheet);
  painter.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
  painter.setPen(lines);
  for (int y = 6; y <= 12; y += 2) painter.drawLine(5, y, 11, y);
  return page;
}

QIcon DocumentPageIcon() {
  QIcon icon;
  icon.addPixmap(DocumentPage(false), QIcon::Normal);
  icon.addPixmap(DocumentPage(true), QIcon::Disabled);
  return icon;
}

}  // namespace vantric
