#include "toolkit/qt/ui_fonts.h"

#include <QStringList>
#include <string_view>

namespace vantric {
namespace {

constexpr int kDialogStretch = 92;  // percent

}  // namespace

QFont FontOf(const FontSpec& wanted) {
  QFont font(QString::fromLatin1(wanted.family));
  font.setPixelSize(wanted.pixel_height);
  font.setBold(wanted.bold);
  font.setItalic(wanted.italic);
  // The design face runs narrower than the scalable faces that stand in for it; without
  // this the longer texts would be cut off or wrapped where the design had room for them.
  if (std::string_view(wanted.family) == kDialogFont.family) font.setStretch(kDialogStretch);
  return font;
}

void RegisterFontSubstitutes() {
  // Without these the default sans face, which runs much wider, would be chosen and the
  // texts would no longer fit the controls they were sized for.
  QFont::insertSubstitutions(kDialogFont.family,
                             QStringList{"Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"});
  QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "Arimo", "Nimbus Sans"});
}

}  // namespace vantric
