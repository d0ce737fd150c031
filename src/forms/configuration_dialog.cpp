#include "forms/configuration_dialog.h"

#include "run/settings_checks.h"
#include "run/test_catalogue.h"

namespace vantric {
namespace {

// What the 16k read test's check box enables: every CPU test rests on it.
constexpr const char* kCpuControls[] = {"cpu2x",  "cpu4x",   "cpu6x",   "cpu8x",
                                        "cpu12x", "cpuuser", "userval", "Label1"};

}  // namespace

TForm2::TForm2(Toolkit& toolkit)
    : toolkit_(toolkit), window_(toolkit.MakeForm(ConfigurationDialogLayout())) {
  // Toggled, not clicked: the handler must also run when the defaults change the state.
  window_->OnToggle("read16", [this] { read16Click(); });
  window_->OnClick("Button1", [this] { Button1Click(); });
  window_->OnClick("Button2", [this] { Button2Click(); });
  window_->OnClick("BitBtn1", [this] { BitBtn1Click(); });
  FormCreate();
}

void TForm2::FormCreate() { SetDefaults(); }

void TForm2::SetDefaults() {
  const TestSettings defaults;
  for (const TestChoice& choice : kTestChoices) {
    window_->SetChecked(choice.name, defaults.*choice.setting);
  }
  window_->SetText("userval", defaults.userval);
  window_->SetText("LogEdit", defaults.LogEdit);
  window_->SetText("PassEdit", defaults.PassEdit);
}

void TForm2::Button1Click() { SetDefaults(); }

void TForm2::read16Click() {
  const bool enabled = window_->Checked("read16");
  for (const char* control : kCpuControls) window_->SetEnabled(control, enabled);
}

void TForm2::BitBtn1Click() {
  const std::optional<std::string> chosen =
      toolkit_.AskSaveFileName(*window_, {"Save Log File As", "log", SaveDialog1_name_});
  if (!chosen) return;
  SaveDialog1_name_ = *chosen;
  window_->SetText("LogEdit", *chosen);
}

TestSettings TForm2::Settings() const {
  TestSettings settings;
  for (const TestChoice& choice : kTestChoices) {
    settings.*choice.setting = window_->Checked(choice.name);
  }
  settings.userval = window_->Text("userval");
  settings.LogEdit = window_->Text("LogEdit");
  settings.PassEdit = window_->Text("PassEdit");
  return settings;
}

void TForm2::Button2Click() {
  TestSettings settings = Settings();
  const std::optional<std::string> refusal = CheckSettings(settings);
  window_->SetText("LogEdit", settings.LogEdit);
  if (refusal) {
    toolkit_.ShowMessage(*window_, *refusal);
    return;
  }
  window_->Hide();
}

}  // namespace vantric
