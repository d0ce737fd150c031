#pragma once

#include <QImage>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "forms/pictures.h"
#include "forms/window_layout.h"

namespace vantric {

// Makes the control as the layout describes it, a child of its container at its fixed pixel
// position, carrying its name as its object name. The window's own font is not set again on
// the controls that use it, so they follow the window's.
QWidget* MakeControl(QWidget* container, const ControlLayout& control, const FontSpec& window_font);

// Sets a label's text and, for a label sized by its text, its size.
void SetLabelText(QLabel* label, const QString& text);

// Fixed-size window of the given client area, centred on the screen.
void FixClientArea(QWidget* window, int width, int height);

// The picture as Qt shows it.
QImage ImageOf(const Bitmap& bitmap);

}  // namespace vantric
