// Usage: vantric-screenshots [FOLDER [PROFILE]]
// Renders the desktop application's windows into PNG files, on a simulated drive, for looking
// at them as a user would: the main window, the configuration dialog, the user information
// dialog, the results window after a finished run, and message boxes at the windows that
// report them (the read error of a run on a disc pulled out of the drive among them). Under
// a window manager the pictures are taken from the screen, frames and title bars included.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "forms/desktop.h"
#include "sim/simulation.h"
#include "support/fakes.h"
#include "toolkit/qt/qt_form.h"
#include "toolkit/qt/qt_toolkit.h"

namespace {

// The screen only shows what the window manager has framed and the window has painted.
void WaitUntil(const std::function<bool()>& condition, int limit_ms) {
  QElapsedTimer waited;
  waited.start();
  while (!condition() && waited.elapsed() < limit_ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

bool Framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

void Settle(const QWidget& window) {
  WaitUntil([&] { return Framed(window); }, 1500);
  WaitUntil([] { return false; }, 300);  // the first paint after framing
}

bool FromScreen() { return QGuiApplication::platformName() == "xcb"; }

QPixmap Picture(QWidget& window, QRect area) {
  if (!FromScreen()) return window.grab();
  return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                      area.height());
}

bool Write(const QPixmap& picture, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString(name) + ".png");
  const bool saved = !picture.isNull() && picture.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

bool Save(const vantric::Form& form, const QDir& folder, const char* name) {
  QWidget& window = vantric::WidgetOf(form);
  window.show();
  Settle(window);
  const bool saved = Write(Picture(window, window.frameGeometry()), folder, name);
  window.hide();
  return saved;
}

// Takes the next message box the program shows, with the window that reports it around it,
// and presses its OK.
void SaveNextMessage(QWidget& reporter, const QDir& folder, const char* name, bool* saved) {
  auto* poll = new QTimer(&reporter);
  poll->setInterval(50);
  QObject::connect(poll, &QTimer::timeout, [poll, &reporter, folder, name, saved] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll->stop();
    poll->deleteLater();
    Settle(*box);
    const QRect both = reporter.frameGeometry().united(box->frameGeometry()).adjusted(-8, -8, 8, 8);
    *saved &= Write(FromScreen() ? Picture(*box, both) : box->grab(), folder, name);
    box->button(QMessageBox::Ok)->click();
  });
  poll->start();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "screenshots");
  if (!QDir().mkpath(folder.path())) return 1;

  vantric::PrepareApplication();
  vantric::QtToolkit toolkit;
  std::string error;
  auto simulation = vantric::MakeSimulation(argc > 2 ? argv[2] : "8x-clv", &error);
  if (!simulation) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  vantric::testing::FakeRegistry registry;
  vantric::testing::FakeSystem system;
  vantric::Desktop desktop(toolkit, vantric::Platform{simulation->clock(), simulation->drives(),
                                                      registry, system, toolkit});
  const vantric::Forms& forms = desktop.forms();

  bool saved = Save(forms.Form1->window(), folder, "main");
  {
    // The main window as it looks where the cache values exist.
    vantric::testing::FakeSystem windows95;
    windows95.version = 0xC0000004;
    vantric::testing::FakeRegistry cdfs;
    cdfs.existing_key = "System\\CurrentControlSet\\Control\\FileSystem\\CDFS";
    cdfs.values = {{"Prefetch", 32}, {"CacheSize", 1312}};
    vantric::Desktop windows95_desktop(
        toolkit,
        vantric::Platform{simulation->clock(), simulation->drives(), cdfs, windows95, toolkit});
    saved &= Save(windows95_desktop.forms().Form1->window(), folder, "main-windows95");
  }
  saved &= Save(forms.Form2->window(), folder, "configuration");
  saved &= Save(forms.Form4->window(), folder, "user-information");

  QWidget& main_window = vantric::WidgetOf(forms.Form1->window());
  main_window.show();
  Settle(main_window);
  SaveNextMessage(main_window, folder, "message-main", &saved);
  toolkit.ShowMessage(forms.Form1->window(), "No valid test data available.");
  main_window.hide();

  // A whole run, as Run Test makes it; the window stays on its results until Ok.
  if (desktop.engine().FindTestDisc() != vantric::DiscOpened) {
    std::fprintf(stderr, "the simulated test disc was not found\n");
    return 1;
  }
  QWidget& results_window = vantric::WidgetOf(forms.Form3->window());
  results_window.show();
  forms.Form3->RunBenchmark();
  if (!desktop.results().ResultsValid) {
    std::fprintf(stderr, "the simulated run did not complete\n");
    return 1;
  }
  saved &= Save(forms.Form3->window(), folder, "results");

  // The disc pulled out of the drive a few seconds into the next run.
  vantric::VirtualClock& clock = simulation->clock();
  simulation->faults().disc_removed_at_seconds = clock.SecondsForCounts(clock.Now()) + 5;
  if (desktop.engine().FindTestDisc() != vantric::DiscOpened) return 1;
  results_window.show();
  Settle(results_window);
  SaveNextMessage(results_window, folder, "message-read-error", &saved);
  forms.Form3->RunBenchmark();
  return saved ? 0 : 1;
}
