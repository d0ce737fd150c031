#include "ui/user_information_dialog.h"

#include "ui/classic_style.h"
#include "ui/controls.h"
#include "ui/ui_fonts.h"

namespace vantric {

TForm4::TForm4()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint) {
  setObjectName("Form4");
  UseClassicPalette(*this);
  setWindowTitle("Enter Information for Log File or Results Printout");
  setFont(DialogFont());
  setModal(true);
  FixClientArea(this, 395, 158);

  Label1 = MakeLabel(this, "Label1", QRect(4, 8, 157, 13), "CD-ROM manufactuer and model");
  Edit1_ = MakeEdit(this, "Edit1", {4, 24, 385, 21});
  Label2 = MakeLabel(this, "Label2", QRect(4, 48, 360, 13),
                     "CD-ROM controller manufactuer, model and bus (PCI, VLB, ISA, EISA, MCA)");
  Edit2_ = MakeEdit(this, "Edit2", {4, 64, 385, 21});
  Label3 = MakeLabel(this, "Label3", QRect(4, 88, 236, 13),
                     "Computer manufactuer, CPU type and CPU speed");
  Edit3_ = MakeEdit(this, "Edit3", {4, 104, 385, 21});
  Button1 = MakeButton(this, "Button1", {160, 128, 75, 25}, "Ok");
  Button1->setDefault(true);

  setTabOrder(Edit1_, Edit2_);
  setTabOrder(Edit2_, Edit3_);
  setTabOrder(Edit3_, Button1);
  Edit1_->setFocus();

  connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::Button1Click() { accept(); }

void TForm4::Ask() { exec(); }

void TForm4::Clear() {
  Edit1_->clear();
  Edit2_->clear();
  Edit3_->clear();
}

std::string TForm4::Edit1() const { return Edit1_->text().toStdString(); }
std::string TForm4::Edit2() const { return Edit2_->text().toStdString(); }
std::string TForm4::Edit3() const { return Edit3_->text().toStdString(); }

}  // namespace vantric
