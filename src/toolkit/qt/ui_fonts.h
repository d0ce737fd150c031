#pragma once

#include <QFont>

#include "forms/window_layout.h"

namespace vantric {

// A layout's font: sizes are pixel heights, so the text keeps fitting its controls whatever the
// screen's dots per inch. Families are asked for by name and the font configuration picks the
// nearest installed face.
QFont FontOf(const FontSpec& wanted);
inline QFont DialogFont() { return FontOf(kDialogFont); }

// Prefers faces with the metrics of the design fonts over the system's default sans face.
void RegisterFontSubstitutes();

}  // namespace vantric
