#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

class QWidget;

namespace vantric {

// The colours the windows were designed in. Texts are drawn over fixed pictures and a fixed
// grey face, so none of them may follow the desktop's colour scheme.
inline const QColor kClassicFace(192, 192, 192);
inline const QColor kClassicGreyText(128, 128, 128);
inline const QColor kClassicNavy(0, 0, 128);

// Black text on the grey face, white edit fields and memos, navy selections, grey text on
// disabled controls: every role of every colour group is set, so nothing is left for a
// desktop scheme to fill in.
QPalette ClassicPalette();

// Fusion with the tighter spacing the windows were laid out for: check box and radio texts
// sit closer to their boxes, so the longer captions fit their fixed widths. Fusion is the one
// built-in style that draws only from the palette, so it is the same on every desktop.
class ClassicStyle : public QProxyStyle {
 public:
  ClassicStyle();

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* return_data = nullptr) const override;
  QPalette standardPalette() const override;
};

// Puts the style and the palette on the whole application; call once, after the QApplication
// exists.
void UseClassicStyle();

// Gives a window the classic palette as its own. A window's own palette outlives whatever the
// desktop later does to the application's (a scheme switched while the program runs, a theme
// that colours labels or buttons separately), and its children take it over.
void UseClassicPalette(QWidget& window);

}  // namespace vantric
