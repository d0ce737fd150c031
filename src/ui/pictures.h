#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vantric {

// The windows' background pictures, painted at start-up instead of being shipped as images.
// The same seed gives the same picture, so the windows look alike on every start.
QPixmap DarkDiscMontage(QSize size);      // main window: white text must stay readable on it
QPixmap EmbossedDiscMontage(QSize size);  // results window: black and navy text on light grey

// The log file browse button's picture: a document page, with its own greyed image for the
// disabled state.
QIcon DocumentPageIcon();
QPixmap DocumentPage(bool greyed);

}  // namespace vantric
