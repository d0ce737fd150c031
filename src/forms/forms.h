#pragma once

namespace vantric {

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The program's four windows, created once at start-up in this order and kept until exit.
// A window made earlier reaches the later ones through here once they exist.
struct Forms {
  TForm1* Form1 = nullptr;
  TForm2* Form2 = nullptr;
  TForm3* Form3 = nullptr;
  TForm4* Form4 = nullptr;
};

}  // namespace vantric
