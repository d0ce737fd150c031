#include "forms/user_information_dialog.h"

namespace vantric {

TForm4::TForm4(Toolkit& toolkit) : window_(toolkit.MakeForm(UserInformationDialogLayout())) {
  window_->OnClick("Button1", [this] { Button1Click(); });
  window_->SetFocus("Edit1");
}

void TForm4::Button1Click() { window_->Hide(); }

void TForm4::Ask() { window_->ShowModal(); }

void TForm4::Clear() {
  for (const char* edit : {"Edit1", "Edit2", "Edit3"}) window_->SetText(edit, "");
}

std::string TForm4::Edit1() const { return window_->Text("Edit1"); }
std::string TForm4::Edit2() const { return window_->Text("Edit2"); }
std::string TForm4::Edit3() const { return window_->Text("Edit3"); }

}  // namespace vantric
