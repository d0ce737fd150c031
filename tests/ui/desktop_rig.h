#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "fakes.h"
#include "forms/desktop.h"
#include "sim/simulation.h"
#include "toolkit/qt/qt_form.h"
#include "toolkit/qt/qt_toolkit.h"

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace vantric::testing {

// Makes the one application object the window tests share, with the fonts and style the
// program uses.
void EnsureApplication();

// The Qt window behind a form.
inline QWidget& Window(const Form& form) { return WidgetOf(form); }

// The control of that name in the window behind the form, as the widget class it was made as;
// throws when the window has no such control.
template <class W>
W* Widget(const Form& form, const char* name) {
  W* widget = Window(form).findChild<W*>(QString::fromLatin1(name));
  if (widget == nullptr) {
    throw std::runtime_error("no such control in " + Window(form).objectName().toStdString() +
                             ": " + name);
  }
  return widget;
}

// Takes the place of the standard message box while it lives: records the texts, the
// windows that reported them and whether those were on screen then, and returns at once.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  std::vector<QString> texts;
  std::vector<QWidget*> reporters;
  std::vector<bool> reporters_visible;
};

// Hands control to the event loop as the program's pump does, and runs a scripted action at
// each call (for example, pressing Cancel at the third).
class EventPump : public UiPump {
 public:
  void ProcessMessages() override;
  int calls = 0;
  std::function<void(int call)> on_call;
};

// Runs the action once, from the event loop, as soon as the window is next shown: the way
// to answer a window that the code under test shows and then waits for.
void WhenShown(QWidget& window, std::function<void()> action);
inline void WhenShown(const Form& form, std::function<void()> action) {
  WhenShown(Window(form), std::move(action));
}
// Clicks the button from the event loop as soon as the condition holds.
void ClickWhen(std::function<bool()> condition, QAbstractButton& button);

// The whole program on a simulated drive, with a fake registry and system.
struct DesktopRig {
  // prepare runs before the windows are made: the place to change the drives or the system.
  explicit DesktopRig(const char* profile = "ideal-8x-clv",
                      const std::function<void(DesktopRig&)>& prepare = nullptr);
  ~DesktopRig();

  TForm1& Form1() const { return *desktop->forms().Form1; }
  TForm2& Form2() const { return *desktop->forms().Form2; }
  TForm3& Form3() const { return *desktop->forms().Form3; }
  TForm4& Form4() const { return *desktop->forms().Form4; }
  TestResults& results() const { return desktop->results(); }

  QtToolkit toolkit;
  std::unique_ptr<Simulation> simulation;
  FakeRegistry registry;
  FakeSystem system;
  EventPump pump;
  std::unique_ptr<Desktop> desktop;
};

}  // namespace vantric::testing
