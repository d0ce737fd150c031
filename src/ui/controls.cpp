#include "ui/controls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QValidator>

namespace vantric {
namespace {

constexpr const char* kSizedByText = "vantricSizedByText";

template <typename Control>
Control* Name(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
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

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint position, const QString& text) {
  QLabel* label = Name(new QLabel(text, parent), name);
  label->setProperty(kSizedByText, true);
  label->move(position);
  label->adjustSize();
  return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text) {
  QLabel* label = Name(new QLabel(text, parent), name);
  label->setGeometry(geometry);
  return label;
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  if (label->property(kSizedByText).toBool()) label->adjustSize();
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& title) {
  QGroupBox* group = Name(new QGroupBox(title, parent), name);
  group->setGeometry(geometry);
  return group;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text) {
  QCheckBox* box = Name(new QCheckBox(text, parent), name);
  box->setGeometry(geometry);
  return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text) {
  QPushButton* button = Name(new QPushButton(text, parent), name);
  button->setGeometry(geometry);
  return button;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
  QLineEdit* edit = Name(new QLineEdit(parent), name);
  edit->setGeometry(geometry);
  edit->setValidator(new SingleLine(edit));
  return edit;
}

void FixClientArea(QWidget* window, int width, int height) {
  window->setFixedSize(width, height);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(0, 0), QSize(width, height));
    placed.moveCenter(screen->availableGeometry().center());
    window->move(placed.topLeft());
  }
}

}  // namespace vantric
