#include "forms/results_window.h"

#include "engine/rounding.h"
#include "forms/configuration_dialog.h"
#include "forms/user_information_dialog.h"
#include "run/description_texts.h"
#include "run/run_benchmark.h"
#include "run/text_readers.h"

namespace vantric {
namespace {

constexpr size_t kCaptionLimit = 255;
constexpr double kLayoutPixelsPerInch = 96.0;

// The report's fonts travel with the window's layout, on labels that are never shown.
FontSpec FontOfLabel(const char* name) {
  for (const ControlLayout& control : ResultsWindowLayout().controls) {
    if (control.name == name) return control.font;
  }
  return kDialogFont;
}

}  // namespace

ReportFontSpec ReportFontOf(const FontSpec& font) {
  const int points = static_cast<int>(Round(font.pixel_height * 72.0 / kLayoutPixelsPerInch));
  return {font.family, points, font.bold, font.italic};
}

ReportFonts ResultsWindowReportFonts() {
  return {ReportFontOf(FontOfLabel("Font1")), ReportFontOf(FontOfLabel("Font2")),
          ReportFontOf(FontOfLabel("Font3"))};
}

TForm3::TForm3(Toolkit& toolkit, Engine& engine, TestResults& results, const Forms& forms)
    : toolkit_(toolkit),
      engine_(engine),
      results_(results),
      forms_(forms),
      window_(toolkit.MakeForm(ResultsWindowLayout())) {
  window_->OnClick("Button1", [this] { Button1Click(); });
  window_->OnClick("Button2", [this] { Button2Click(); });
  window_->OnClick("Button3", [this] { Button3Click(); });
  FormCreate();
}

void TForm3::Button1Click() {
  if (results_.RunInProgress) {
    engine_.CancelRequested = true;
    return;
  }
  window_->Hide();
}

void TForm3::Button2Click() {
  TForm4& user_information = *forms_.Form4;
  if (!results_.UserInfoGiven) {
    user_information.Ask();
    results_.UserInfoGiven = !TrimBlanks(user_information.Edit1()).empty();
  }
  System& system = engine_.platform().system;
  const ReportContent content{results_,
                              system.FormatTime(results_.StartTime),
                              system.FormatTime(results_.EndTime),
                              user_information.Edit1(),
                              user_information.Edit2(),
                              user_information.Edit3(),
                              forms_.Form2->Settings().userval,
                              engine_.CdfsPrefetch,
                              engine_.CdfsCacheSize};
  if (const std::optional<std::string> message =
          toolkit_.PrintReport(ReportLines(content), ResultsWindowReportFonts())) {
    toolkit_.ShowMessage(*window_, *message);
  }
}

void TForm3::ShowTestCaption(const std::string& text) {
  window_->SetText("CurTest", text.substr(0, kCaptionLimit));
}

void TForm3::ShowTestProgress(int percent) { window_->SetProgress("Progress", percent); }

void TForm3::SetWindowCaption(const std::string& text) { window_->SetCaption(text); }

void TForm3::SetText(std::string_view control, const std::string& text) {
  window_->SetText(control, text);
}

void TForm3::SetEnabled(std::string_view control, bool enabled) {
  window_->SetEnabled(control, enabled);
}

void TForm3::SetVisible(std::string_view control, bool visible) {
  window_->SetVisible(control, visible);
}

void TForm3::ClearDescriptions() { window_->SetText("Memo1", ""); }

void TForm3::DescribeStep(int number) {
  std::string text = window_->Text("Memo1");
  if (!text.empty()) text += "\n\n";
  text += DescriptionText(number);
  window_->SetText("Memo1", text);
  window_->ScrollToEnd("Memo1");
  ProcessMessages();
}

void TForm3::ShowMessage(const std::string& text) { toolkit_.ShowMessage(*window_, text); }

void TForm3::HideWindow() { window_->Hide(); }

void TForm3::ProcessMessages() { toolkit_.ProcessMessages(); }

void TForm3::RunBenchmark() {
  const TestSettings settings = forms_.Form2->Settings();
  vantric::RunBenchmark({engine_, settings, results_, *this, *forms_.Form4});
}

}  // namespace vantric
