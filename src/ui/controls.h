#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace vantric {

// Children are placed at fixed pixel positions, as the windows were designed; each carries
// its control name as its object name.

// A label that takes the size of its text, now and whenever SetLabelText changes it.
QLabel* MakeLabel(QWidget* parent, const char* name, QPoint position, const QString& text);
// A label of a fixed size.
QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text);
// Sets a label's text and, for a label sized by its text, its size.
void SetLabelText(QLabel* label, const QString& text);

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& title);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text);
QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text);
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry);

// Fixed-size window of the given client area, centred on the screen.
void FixClientArea(QWidget* window, int width, int height);

}  // namespace vantric
