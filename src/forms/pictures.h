#pragma once

#include <cstdint>
#include <vector>

#include "forms/window_layout.h"

namespace vantric {

// A picture as rows of pixels from the top: 0xAARRGGBB, alpha 0 is transparent.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The windows' pictures, drawn at start-up instead of being shipped as images, the same on
// every system: the background montages of scattered discs (the same seed gives the same
// picture on every start) and the log file browse button's document page.
Bitmap DrawPicture(PictureKind kind, int width, int height);
// The document page as a greyed button shows it.
Bitmap DrawGreyedDocumentPage();

}  // namespace vantric
