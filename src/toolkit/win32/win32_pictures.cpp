#include "toolkit/win32/win32_pictures.h"

namespace vantric {
namespace {

uint32_t Blend(uint32_t pixel, COLORREF ground) {
  const uint32_t alpha = pixel >> 24;
  auto channel = [&](int shift, uint32_t ground_value) {
    const uint32_t value = (pixel >> shift) & 0xFF;
    return (value * alpha + ground_value * (255 - alpha) + 127) / 255;
  };
  // A 32-bit DIB keeps its pixels as the picture does: blue in the lowest byte.
  return channel(16, GetRValue(ground)) << 16 | channel(8, GetGValue(ground)) << 8 |
         channel(0, GetBValue(ground));
}

}  // namespace

HBITMAP MakeGdiBitmap(const Bitmap& picture, COLORREF ground) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // rows from the top, as the picture has them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (size_t i = 0; i < picture.pixels.size(); ++i) pixels[i] = Blend(picture.pixels[i], ground);
  GdiFlush();
  return bitmap;
}

void DrawGdiBitmap(HDC dc, HBITMAP bitmap, int left, int top) {
  BITMAP size{};
  GetObject(bitmap, sizeof(size), &size);
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(dc, left, top, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace vantric
