#include "forms/window_layout.h"

namespace vantric {

const WindowLayout& UserInformationDialogLayout() {
  using K = ControlKind;
  static const WindowLayout layout{
      "Form4",
      "Enter Information for Log File or Results Printout",
      WindowFrame::kDialog,
      395,
      158,
      kDialogFont,
      {
          Control(K::kLabel, "Label1", "", 4, 8, 157, 13, "CD-ROM manufactuer and model"),
          Control(K::kEdit, "Edit1", "", 4, 24, 385, 21),
          Control(K::kLabel, "Label2", "", 4, 48, 360, 13,
                  "CD-ROM controller manufactuer, model and bus (PCI, VLB, ISA, EISA, MCA)"),
          Control(K::kEdit, "Edit2", "", 4, 64, 385, 21),
          Control(K::kLabel, "Label3", "", 4, 88, 236, 13,
                  "Computer manufactuer, CPU type and CPU speed"),
          Control(K::kEdit, "Edit3", "", 4, 104, 385, 21),
          Control(K::kButton, "Button1", "", 160, 128, 75, 25, "Ok").DefaultButton(),
      },
      {"Edit1", "Edit2", "Edit3", "Button1"},
  };
  return layout;
}

}  // namespace vantric
