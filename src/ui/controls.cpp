#include "ui/controls.h"

#include <QGuiApplication>
#include <QScreen>

namespace vantric {
namespace {

constexpr const char* kSizedByText = "vantricSizedByText";

template <typename Control>
Control* Name(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

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
