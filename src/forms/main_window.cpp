#include "forms/main_window.h"

#include "forms/configuration_dialog.h"
#include "forms/results_window.h"
#include "run/run_messages.h"

namespace vantric {
namespace {

// The value is counted in units of 2 KB.
std::string CdfsLabelText(const std::string& design_text, int32_t value) {
  if (value > 0) return design_text + std::to_string(2 * static_cast<int64_t>(value)) + "k";
  return design_text + "unknown";
}

}  // namespace

TForm1::TForm1(Toolkit& toolkit, Engine& engine, const TestResults& results, const Forms& forms)
    : toolkit_(toolkit),
      engine_(engine),
      results_(results),
      forms_(forms),
      window_(toolkit.MakeForm(MainWindowLayout())) {
  window_->OnClick("testbt", [this] { testbtClick(); });
  window_->OnClick("confbt", [this] { confbtClick(); });
  window_->OnClick("resultsbt", [this] { resultsbtClick(); });
  FormCreate();
}

void TForm1::FormCreate() {
  if (engine_.IsWindowsNT()) {
    for (const char* label : {"w95r", "w95c", "Label1"}) window_->SetVisible(label, false);
    return;
  }
  window_->SetText("w95r", CdfsLabelText(window_->Text("w95r"), engine_.CdfsPrefetch));
  window_->SetText("w95c", CdfsLabelText(window_->Text("w95c"), engine_.CdfsCacheSize));
}

void TForm1::testbtClick() {
  switch (engine_.FindTestDisc()) {
    case NoDisc:
      toolkit_.ShowMessage(*window_, kNoDiscMessage);
      return;
    case SeveralDiscs:
      toolkit_.ShowMessage(*window_, kSeveralDiscsMessage);
      return;
    case DiscOpened:
      break;
  }
  TForm3& results_window = *forms_.Form3;
  window_->Hide();
  results_window.window().Show();
  results_window.RunBenchmark();
  toolkit_.WaitWhileVisible(results_window.window());
  window_->SetEnabled("resultsbt", results_.ResultsValid);
  window_->Show();
}

void TForm1::confbtClick() { ShowInstead(forms_.Form2->window()); }

void TForm1::resultsbtClick() {
  if (!results_.ResultsValid) {
    toolkit_.ShowMessage(*window_, "No valid test data available.");
    return;
  }
  ShowInstead(forms_.Form3->window());
}

void TForm1::ShowInstead(Form& other) {
  window_->Hide();
  other.Show();
  toolkit_.WaitWhileVisible(other);
  window_->Show();
}

}  // namespace vantric
