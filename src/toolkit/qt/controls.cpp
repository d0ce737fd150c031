#include "toolkit/qt/controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <cstring>

#include "toolkit/qt/classic_style.h"
#include "toolkit/qt/ui_fonts.h"

namespace vantric {
namespace {

constexpr const char* kSizedByTextProperty = "vantricSizedByText";

bool SameFont(const FontSpec& a, const FontSpec& b) {
  return std::strcmp(a.family, b.family) == 0 && a.pixel_height == b.pixel_height &&
         a.bold == b.bold && a.italic == b.italic;
}

// A single-line edit takes of a pasted text what comes before its first line break, as a
// Windows edit control does: a text the report writes on one line must not add lines of its own.
class SingleLine : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& cursor) const override {
    qsizetype cut = 0;
    while (cut < input.size() && input[cut] != u'\r' && input[cut] != u'\n') ++cut;
    if (cut == input.size()) return Acceptable;
    // Typing makes no line break, so it came with the text just pasted, which ends at the cursor.
    const qsizetype end = cursor > cut ? cursor : input.size();
    input.remove(cut, end - cut);
    cursor = static_cast<int>(cut);
    return validate(input, cursor);
  }
};

QString TextOf(const ControlLayout& control) { return QString::fromStdString(control.text); }

QRect Geometry(const ControlLayout& control) {
  return QRect(control.left, control.top, control.width, control.height);
}

QLabel* MakeLabel(QWidget* container, const ControlLayout& control) {
  // A label paints nothing behind its text, so it is transparent over any picture.
  auto* label = new QLabel(container);
  if (control.width == kSizedByText) {
    label->setProperty(kSizedByTextProperty, true);
    label->move(control.left, control.top);
  } else {
    label->setGeometry(Geometry(control));
  }
  if (control.right_aligned) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  return label;
}

QLabel* MakePicture(QWidget* container, const ControlLayout& control) {
  auto* picture = new QLabel(container);
  picture->setGeometry(Geometry(control));
  picture->setScaledContents(true);
  picture->setPixmap(
      QPixmap::fromImage(ImageOf(DrawPicture(control.picture, control.width, control.height))));
  return picture;
}

QPushButton* MakeButton(QWidget* container, const ControlLayout& control) {
  auto* button = new QPushButton(TextOf(control), container);
  button->setGeometry(Geometry(control));
  // Enter presses the button that has the focus, and the default button otherwise.
  button->setAutoDefault(true);
  button->setDefault(control.default_button);
  return button;
}

QPushButton* MakePictureButton(QWidget* container, const ControlLayout& control) {
  QPushButton* button = MakeButton(container, control);
  const QImage normal = ImageOf(DrawPicture(control.picture, control.width, control.height));
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
  if (control.picture == PictureKind::kDocumentPage) {
    icon.addPixmap(QPixmap::fromImage(ImageOf(DrawGreyedDocumentPage())), QIcon::Disabled);
  }
  button->setIcon(icon);
  button->setIconSize(normal.size());
  return button;
}

QPlainTextEdit* MakeMemo(QWidget* container, const ControlLayout& control) {
  auto* memo = new QPlainTextEdit(TextOf(control), container);
  memo->setGeometry(Geometry(control));
  memo->document()->setDocumentMargin(2);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setVerticalScrollBarPolicy(control.vertical_scroll_bar ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return memo;
}

QFrame* MakePanel(QWidget* container, const ControlLayout& control) {
  auto* panel = new QFrame(container);
  panel->setGeometry(Geometry(control));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  return panel;
}

QProgressBar* MakeProgressBar(QWidget* container, const ControlLayout& control) {
  auto* bar = new QProgressBar(container);
  bar->setGeometry(Geometry(control));
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  return bar;
}

QLineEdit* MakeEdit(QWidget* container, const ControlLayout& control) {
  auto* edit = new QLineEdit(TextOf(control), container);
  edit->setGeometry(Geometry(control));
  edit->setValidator(new SingleLine(edit));
  return edit;
}

template <typename Widget>
Widget* MakePlain(QWidget* container, const ControlLayout& control) {
  auto* widget = new Widget(TextOf(control), container);
  widget->setGeometry(Geometry(control));
  return widget;
}

QWidget* MakeWidget(QWidget* container, const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::kLabel:
      return MakeLabel(container, control);
    case ControlKind::kButton:
      return MakeButton(container, control);
    case ControlKind::kCheckBox:
      return MakePlain<QCheckBox>(container, control);
    case ControlKind::kGroupBox:
      return MakePlain<QGroupBox>(container, control);
    case ControlKind::kEdit:
      return MakeEdit(container, control);
    case ControlKind::kMemo:
      return MakeMemo(container, control);
    case ControlKind::kPanel:
      return MakePanel(container, control);
    case ControlKind::kProgressBar:
      return MakeProgressBar(container, control);
    case ControlKind::kPicture:
      return MakePicture(container, control);
    case ControlKind::kPictureButton:
      return MakePictureButton(container, control);
  }
  return new QWidget(container);
}

QColor ColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::kWhite:
      return Qt::white;
    case TextColour::kNavy:
      return kClassicNavy;
    case TextColour::kBlack:
      break;
  }
  return Qt::black;
}

}  // namespace

QWidget* MakeControl(QWidget* container, const ControlLayout& control,
                     const FontSpec& window_font) {
  QWidget* widget = MakeWidget(container, control);
  widget->setObjectName(QString::fromStdString(control.name));
  if (!SameFont(control.font, window_font)) widget->setFont(FontOf(control.font));
  if (control.colour != TextColour::kBlack) {
    QPalette palette = widget->palette();
    const QPalette::ColorRole role =
        qobject_cast<QPushButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText;
    palette.setColor(role, ColourOf(control.colour));
    widget->setPalette(palette);
  }
  if (auto* label = qobject_cast<QLabel*>(widget); label && control.kind == ControlKind::kLabel) {
    SetLabelText(label, TextOf(control));  // sized by its text in its own font
  }
  widget->setEnabled(control.enabled);
  if (!control.visible) widget->hide();
  return widget;
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  if (label->property(kSizedByTextProperty).toBool()) label->adjustSize();
}

void FixClientArea(QWidget* window, int width, int height) {
  window->setFixedSize(width, height);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(0, 0), QSize(width, height));
    placed.moveCenter(screen->availableGeometry().center());
    window->move(placed.topLeft());
  }
}

QImage ImageOf(const Bitmap& bitmap) {
  QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
  for (int y = 0; y < bitmap.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width; ++x) row[x] = bitmap.At(x, y);
  }
  return image;
}

}  // namespace vantric
