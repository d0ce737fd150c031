#include "forms/pictures.h"

#include <algorithm>
#include <cmath>

namespace vantric {
namespace {

struct Colour {
  double r, g, b;
};

Colour Grey(double level) { return {level, level, level}; }

Colour Mix(const Colour& a, const Colour& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A picture being painted: colours blended by how much of each pixel a shape covers, so that
// edges come out smooth.
class Canvas {
 public:
  Canvas(int width, int height, Colour ground)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, ground) {}

  // Paints `colour_at` over the pixels of the box, each by the share `coverage` gives.
  template <typename Coverage, typename ColourAt>
  void Paint(double left, double top, double right, double bottom, Coverage coverage,
             ColourAt colour_at) {
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(height_, static_cast<int>(std::ceil(bottom)) + 1);
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double share = std::clamp(coverage(px, py), 0.0, 1.0);
        if (share <= 0) continue;
        Colour& pixel = pixels_[static_cast<size_t>(y) * width_ + x];
        pixel = Mix(pixel, colour_at(px, py), share);
      }
    }
  }

  Bitmap Take() const {
    Bitmap bitmap{width_, height_, {}};
    bitmap.pixels.reserve(pixels_.size());
    for (const Colour& c : pixels_) {
      const auto channel = [](double v) {
        return static_cast<uint32_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
      };
      bitmap.pixels.push_back(0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b));
    }
    return bitmap;
  }

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

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
  double x, y, radius;
  double Hole() const { return radius * 0.12; }
};

constexpr int kDiscCount = 14;

std::vector<Disc> ScatterDiscs(int width, int height, uint32_t seed) {
  Scatter scatter(seed);
  std::vector<Disc> discs;
  const double scale = std::min(width, height);
  for (int i = 0; i < kDiscCount; ++i) {
    const double x = scatter.Between(-0.1, 1.1) * width;
    const double y = scatter.Between(-0.1, 1.1) * height;
    discs.push_back({x, y, scale * scatter.Between(0.12, 0.3)});
  }
  return discs;
}

double Distance(double x, double y, double cx, double cy) { return std::hypot(x - cx, y - cy); }

// The disc's face: inside its edge and outside its centre hole.
void PaintFace(Canvas& canvas, const Disc& d, double dx, double dy, auto colour_at) {
  const double cx = d.x + dx;
  const double cy = d.y + dy;
  canvas.Paint(
      cx - d.radius, cy - d.radius, cx + d.radius, cy + d.radius,
      [&](double x, double y) {
        const double r = Distance(x, y, cx, cy);
        return std::clamp(d.radius - r + 0.5, 0.0, 1.0) * std::clamp(r - d.Hole() + 0.5, 0.0, 1.0);
      },
      colour_at);
}

// A circle's line of the given width.
void PaintRing(Canvas& canvas, double cx, double cy, double radius, double width, Colour colour) {
  const double reach = radius + width;
  canvas.Paint(
      cx - reach, cy - reach, cx + reach, cy + reach,
      [&](double x, double y) {
        return width / 2 - std::abs(Distance(x, y, cx, cy) - radius) + 0.5;
      },
      [&](double, double) { return colour; });
}

// The disc's edge and the edge of its hole.
void PaintOutline(Canvas& canvas, const Disc& d, double dx, double dy, double width, Colour c) {
  PaintRing(canvas, d.x + dx, d.y + dy, d.radius, width, c);
  PaintRing(canvas, d.x + dx, d.y + dy, d.Hole(), width, c);
}

// A dark disc lit from the top left, with its clamping ring and the edge of its data area.
void PaintDarkDisc(Canvas& canvas, const Disc& d) {
  const double fx = d.x - d.radius * 0.4;
  const double fy = d.y - d.radius * 0.5;
  PaintFace(canvas, d, 0, 0, [&](double x, double y) {
    const double t = std::min(1.0, Distance(x, y, fx, fy) / (d.radius * 1.4));
    return t < 0.6 ? Mix(Grey(110), Grey(72), t / 0.6) : Mix(Grey(72), Grey(52), (t - 0.6) / 0.4);
  });
  PaintOutline(canvas, d, 0, 0, 1, Grey(28));
  for (double ring : {0.3, 0.94}) PaintRing(canvas, d.x, d.y, d.radius * ring, 1, Grey(88));
}

// A light disc pressed into the page: a highlight above, a shadow below, the face between.
void PaintEmbossedDisc(Canvas& canvas, const Disc& d) {
  PaintOutline(canvas, d, -1, -1, 2, Grey(250));
  PaintOutline(canvas, d, 1, 1, 2, Grey(160));
  PaintFace(canvas, d, 0, 0, [](double, double) { return Grey(214); });
  for (double ring : {0.3, 0.94}) {
    PaintRing(canvas, d.x - 0.5, d.y - 0.5, d.radius * ring, 1, Grey(246));
    PaintRing(canvas, d.x + 0.5, d.y + 0.5, d.radius * ring, 1, Grey(176));
  }
}

Bitmap Montage(int width, int height, uint32_t seed, double ground,
               void (*paint_disc)(Canvas&, const Disc&)) {
  Canvas canvas(width, height, Grey(ground));
  for (const Disc& disc : ScatterDiscs(width, height, seed)) paint_disc(canvas, disc);
  return canvas.Take();
}

// A 16 x 16 sheet with its top-right corner folded down and four lines of text on it.
Bitmap DocumentPage(bool greyed) {
  const uint32_t outline = greyed ? 0xFF808080u : 0xFF000000u;
  const uint32_t paper = greyed ? 0xFFD4D0C8u : 0xFFFFFFFFu;
  const uint32_t lines = greyed ? 0xFFA0A0A0u : 0xFF000080u;
  Bitmap page{16, 16, std::vector<uint32_t>(256, 0)};
  auto put = [&](int x, int y, uint32_t colour) { page.pixels[y * 16 + x] = colour; };
  for (int y = 1; y <= 14; ++y) {
    const int right = y < 4 ? 10 + (y - 1) : 13;  // the fold cuts the corner
    for (int x = 3; x <= right; ++x) {
      const bool edge = x == 3 || x == right || y == 1 || y == 14;
      put(x, y, edge ? outline : paper);
    }
  }
  for (int i = 1; i <= 4; ++i) put(10, i, outline);  // the fold's crease
  for (int x = 10; x <= 13; ++x) put(x, 4, outline);
  for (int y = 6; y <= 12; y += 2) {
    for (int x = 5; x <= 11; ++x) put(x, y, lines);
  }
  return page;
}

}  // namespace

Bitmap DrawPicture(PictureKind kind, int width, int height) {
  switch (kind) {
    case PictureKind::kDarkDiscMontage:
      // Dark enough for white text.
      return Montage(width, height, 0x5EEDC0DEu, 40, PaintDarkDisc);
    case PictureKind::kEmbossedDiscMontage:
      // Light enough for black and navy text.
      return Montage(width, height, 0xD15C5EEDu, 208, PaintEmbossedDisc);
    case PictureKind::kDocumentPage:
      return DocumentPage(false);
    case PictureKind::kNone:
      break;
  }
  return Bitmap{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, 0)};
}

Bitmap DrawGreyedDocumentPage() { return DocumentPage(true); }

}  // namespace vantric
