#include "ui/desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "ui/standard_message.h"

namespace vantric {

Desktop::Desktop(Platform platform) : engine_(platform) {
  // The main window shows the cache values as it is made, so they are read first.
  engine_.ScanDrives();
  // The title goes on every message box (ShowStandardMessage). It is not the application's
  // name here: a name holding "/" breaks the paths Qt derives from it, and a display name
  // would be appended to every window caption.
  QCoreApplication::setApplicationName("vantric");
  QGuiApplication::setDesktopFileName("vantric");
  form1_ = std::make_unique<TForm1>(engine_, results_, forms_);
  forms_.Form1 = form1_.get();
  form2_ = std::make_unique<TForm2>();
  forms_.Form2 = form2_.get();
  form3_ = std::make_unique<TForm3>(engine_, results_, forms_);
  forms_.Form3 = form3_.get();
  form4_ = std::make_unique<TForm4>();
  forms_.Form4 = form4_.get();
}

Desktop::~Desktop() = default;

}  // namespace vantric
