// Usage: vantric-screenshots [FOLDER [PROFILE]]
// Renders the desktop application's four windows into PNG files, on a simulated drive, for
// looking at them as a user would: the main window, the configuration dialog, the results
// window after a finished run and the user information dialog.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "sim/simulation.h"
#include "support/fakes.h"
#include "ui/classic_style.h"
#include "ui/desktop.h"
#include "ui/qt_ui_pump.h"
#include "ui/standard_message.h"
#include "ui/ui_fonts.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const char* name) {
  window.show();
  QApplication::processEvents();
  const QString path = folder.filePath(QString(name) + ".png");
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  window.hide();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "screenshots");
  if (!QDir().mkpath(folder.path())) return 1;

  vantric::RegisterFontSubstitutes();
  vantric::UseClassicStyle();
  std::string error;
  auto simulation = vantric::MakeSimulation(argc > 2 ? argv[2] : "8x-clv", &error);
  if (!simulation) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  vantric::testing::FakeRegistry registry;
  vantric::testing::FakeSystem system;
  vantric::QtUiPump pump;
  vantric::Desktop desktop(
      vantric::Platform{simulation->clock(), simulation->drives(), registry, system, pump});
  const vantric::Forms& forms = desktop.forms();

  bool saved = Save(*forms.Form1, folder, "main");
  {
    // The main window as it looks where the cache values exist.
    vantric::testing::FakeSystem windows95;
    windows95.version = 0xC0000004;
    vantric::testing::FakeRegistry cdfs;
    cdfs.existing_key = "System\\CurrentControlSet\\Control\\FileSystem\\CDFS";
    cdfs.values = {{"Prefetch", 32}, {"CacheSize", 1312}};
    vantric::Desktop windows95_desktop(
        vantric::Platform{simulation->clock(), simulation->drives(), cdfs, windows95, pump});
    saved &= Save(*windows95_desktop.forms().Form1, folder, "main-windows95");
  }
  saved &= Save(*forms.Form2, folder, "configuration");
  saved &= Save(*forms.Form4, folder, "user-information");

  // A whole run, as Run Test makes it; the window stays on its results until Ok.
  if (desktop.engine().FindTestDisc() != vantric::DiscOpened) {
    std::fprintf(stderr, "the simulated test disc was not found\n");
    return 1;
  }
  forms.Form3->show();
  forms.Form3->RunBenchmark();
  if (!desktop.results().ResultsValid) {
    std::fprintf(stderr, "the simulated run did not complete\n");
    return 1;
  }
  saved &= Save(*forms.Form3, folder, "results");
  return saved ? 0 : 1;
}
