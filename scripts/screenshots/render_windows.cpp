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
  auto simulation = vantric::MakeSimulation("8x-clv", &error);
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
  saved &= Save(*forms.Form2, folder, "configuration");
  saved &= Save(*forms.Form4, folder, "user-information");
  return saved ? 0 : 1;
}
