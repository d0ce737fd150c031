#include "forms/desktop.h"

namespace vantric {

Desktop::Desktop(Toolkit& toolkit, Platform platform) : engine_(platform) {
  // The main window shows the cache values as it is made, so they are read first.
  engine_.ScanDrives();
  form1_ = std::make_unique<TForm1>(toolkit, engine_, results_, forms_);
  forms_.Form1 = form1_.get();
  form2_ = std::make_unique<TForm2>(toolkit);
  forms_.Form2 = form2_.get();
  form3_ = std::make_unique<TForm3>(toolkit, engine_, results_, forms_);
  forms_.Form3 = form3_.get();
  form4_ = std::make_unique<TForm4>(toolkit);
  forms_.Form4 = form4_.get();
}

Desktop::~Desktop() = default;

}  // namespace vantric
