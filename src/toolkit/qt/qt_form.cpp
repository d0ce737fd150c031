#include "toolkit/qt/qt_form.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>

#include "toolkit/qt/classic_style.h"
#include "toolkit/qt/controls.h"
#include "toolkit/qt/ui_fonts.h"

namespace vantric {
namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// A dialog hides itself only through its own buttons: Escape and the window manager's close
// request do nothing.
class FixedDialog : public QDialog {
 public:
  FixedDialog()
      : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint) {}
  void reject() override {}
};

std::unique_ptr<QWidget> MakeWindow(WindowFrame frame) {
  if (frame == WindowFrame::kDialog) return std::make_unique<FixedDialog>();
  // Closing the main window ends the program.
  return std::make_unique<QWidget>(
      nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

bool InTabOrder(const WindowLayout& layout, const std::string& name) {
  return std::find(layout.tab_order.begin(), layout.tab_order.end(), name) !=
         layout.tab_order.end();
}

}  // namespace

QtForm::QtForm(const WindowLayout& layout) : window_(MakeWindow(layout.frame)) {
  QWidget& window = *window_;
  window.setObjectName(ToQt(layout.name));
  UseClassicPalette(window);
  window.setWindowTitle(ToQt(layout.caption));
  window.setFont(FontOf(layout.font));
  FixClientArea(&window, layout.client_width, layout.client_height);

  for (const ControlLayout& control : layout.controls) {
    QWidget* container = &window;
    if (!control.container.empty()) container = Control(control.container);
    if (container == nullptr) continue;
    QWidget* made = MakeControl(container, control, layout.font);
    // Only the controls of the tab order take the focus, by Tab or by a click.
    if (made->focusPolicy() != Qt::NoFocus && !InTabOrder(layout, control.name)) {
      made->setFocusPolicy(Qt::NoFocus);
    }
    controls_[control.name] = made;
  }

  QWidget* previous = nullptr;
  for (const std::string& name : layout.tab_order) {
    QWidget* next = Control(name);
    if (next == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
  // The first control of the tab order has the focus when the window opens.
  if (!layout.tab_order.empty()) SetFocus(layout.tab_order.front());
}

QtForm::~QtForm() = default;

QWidget* QtForm::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  if (found != controls_.end()) return found->second;
  qWarning("The window %s has no control named %.*s", qPrintable(window_->objectName()),
           static_cast<int>(name.size()), name.data());
  return nullptr;
}

void QtForm::SetText(std::string_view control, const std::string& text) {
  QWidget* target = Control(control);
  const QString qtext = ToQt(text);
  if (auto* label = qobject_cast<QLabel*>(target)) {
    SetLabelText(label, qtext);
  } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
    button->setText(qtext);
  } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
    group->setTitle(qtext);
  } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
    edit->setText(qtext);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
    memo->setPlainText(qtext);
  }
}

std::string QtForm::Text(std::string_view control) const {
  const QWidget* target = Control(control);
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(target)) {
    text = label->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(target)) {
    text = button->text();
  } else if (const auto* group = qobject_cast<const QGroupBox*>(target)) {
    text = group->title();
  } else if (const auto* edit = qobject_cast<const QLineEdit*>(target)) {
    text = edit->text();
  } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(target)) {
    text = memo->toPlainText();
  }
  return text.toStdString();
}

void QtForm::SetChecked(std::string_view control, bool checked) {
  // QCheckBox::toggled runs the toggle handler when, and only when, the state changes.
  if (auto* box = qobject_cast<QCheckBox*>(Control(control))) box->setChecked(checked);
}

bool QtForm::Checked(std::string_view control) const {
  const auto* box = qobject_cast<const QCheckBox*>(Control(control));
  return box != nullptr && box->isChecked();
}

void QtForm::SetEnabled(std::string_view control, bool enabled) {
  if (QWidget* target = Control(control)) target->setEnabled(enabled);
}

bool QtForm::Enabled(std::string_view control) const {
  const QWidget* target = Control(control);
  return target != nullptr && target->isEnabled();
}

void QtForm::SetVisible(std::string_view control, bool visible) {
  if (QWidget* target = Control(control)) target->setVisible(visible);
}

bool QtForm::Visible(std::string_view control) const {
  // Whether it shows while the window does: its own state and its container's.
  const QWidget* target = Control(control);
  return target != nullptr && target->isVisibleTo(window_.get());
}

void QtForm::SetProgress(std::string_view control, int percent) {
  if (auto* bar = qobject_cast<QProgressBar*>(Control(control))) bar->setValue(percent);
}

void QtForm::SetFocus(std::string_view control) {
  if (QWidget* target = Control(control)) target->setFocus();
}

void QtForm::ScrollToEnd(std::string_view control) {
  if (auto* memo = qobject_cast<QPlainTextEdit*>(Control(control))) {
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
  }
}

void QtForm::Connect(std::string_view control, void (QAbstractButton::*signal)(bool),
                     std::function<void()> handler) {
  auto* button = qobject_cast<QAbstractButton*>(Control(control));
  if (button == nullptr) return;
  const bool click = signal == &QAbstractButton::clicked;
  QMetaObject::Connection& connection =
      handlers_[std::string(control) + (click ? ":click" : ":toggle")];
  QObject::disconnect(connection);
  connection = QObject::connect(button, signal, window_.get(),
                                [handler = std::move(handler)] { handler(); });
}

void QtForm::OnClick(std::string_view control, std::function<void()> handler) {
  Connect(control, &QAbstractButton::clicked, std::move(handler));
}

void QtForm::OnToggle(std::string_view control, std::function<void()> handler) {
  Connect(control, &QAbstractButton::toggled, std::move(handler));
}

void QtForm::SetCaption(const std::string& caption) { window_->setWindowTitle(ToQt(caption)); }

std::string QtForm::Caption() const { return window_->windowTitle().toStdString(); }

void QtForm::Show() { window_->show(); }

void QtForm::Hide() { window_->hide(); }

bool QtForm::IsVisible() const { return window_->isVisible(); }

void QtForm::ShowModal() {
  // A dialog's modal loop ends when the dialog is hidden.
  if (auto* dialog = qobject_cast<QDialog*>(window_.get())) {
    dialog->exec();
    return;
  }
  window_->setWindowModality(Qt::ApplicationModal);
  window_->show();
  QEventLoop loop;
  while (window_->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  window_->setWindowModality(Qt::NonModal);
}

QWidget& WidgetOf(const Form& form) { return dynamic_cast<const QtForm&>(form).widget(); }

}  // namespace vantric
