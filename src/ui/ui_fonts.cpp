#include "ui/ui_fonts.h"

#include <QStringList>

namespace vantric {
namespace {

constexpr const char* kDialogFamily = "MS Sans Serif";
constexpr int kDialogStretch = 92;  // percent

}  // namespace

QFont DialogFontOfHeight(int pixel_height, bool bold) {
  QFont font(kDialogFamily);
  font.setPixelSize(pixel_height);
  font.setBold(bold);
  // The design face runs narrower than the scalable faces that stand in for it; without
  // this the longer texts would be cut off or wrapped where the design had room for them.
  font.setStretch(kDialogStretch);
  return font;
}

QFont DialogFont() { return DialogFontOfHeight(11, false); }

QFont ArialFont(int pixel_height, bool bold, bool italic) {
  QFont font("Arial");
  font.setPixelSize(pixel_height);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void RegisterFontSubstitutes() {
  // Without these the default sans face, which runs much wider, would be chosen and the
  // texts would no longer fit the controls they were sized for.
  QFont::insertSubstitutions(kDialogFamily,
                             QStringList{"Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"});
  QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "Arimo", "Nimbus Sans"});
}

}  // namespace vantric
