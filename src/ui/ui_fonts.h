#pragma once

#include <QFont>

namespace vantric {

// The windows were laid out in pixels for these faces; sizes are pixel heights so the text
// keeps fitting its controls whatever the screen's dots per inch. Families are asked for by
// name and the font configuration picks the nearest installed face.
QFont DialogFont();  // "MS Sans Serif", 11 px
QFont ArialFont(int pixel_height, bool bold = false, bool italic = false);
QFont DialogFontOfHeight(int pixel_height, bool bold);

// Prefers faces with the metrics of the design fonts over the system's default sans face.
void RegisterFontSubstitutes();

}  // namespace vantric
