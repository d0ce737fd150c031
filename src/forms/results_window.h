#pragma once

#include <memory>

#include "engine/engine.h"
#include "forms/forms.h"
#include "forms/toolkit.h"
#include "run/results_view.h"
#include "run/test_results.h"

namespace vantric {

// The results window: the progress display of a run, then the display of its results.
class TForm3 : public ResultsView {
 public:
  TForm3(Toolkit& toolkit, Engine& engine, TestResults& results, const Forms& forms);

  // Runs the benchmark with the configuration dialog's settings, showing it here. Returns
  // when the run has ended, was aborted or could not start.
  void RunBenchmark();

  void Button1Click();
  void Button2Click();
  void Button3Click() {}

  // ResultsView.
  void ShowTestCaption(const std::string& text) override;
  void ShowTestProgress(int percent) override;
  void SetWindowCaption(const std::string& text) override;
  void SetText(std::string_view control, const std::string& text) override;
  void SetEnabled(std::string_view control, bool enabled) override;
  void SetVisible(std::string_view control, bool visible) override;
  void ClearDescriptions() override;
  void DescribeStep(int number) override;
  void ShowMessage(const std::string& text) override;
  void HideWindow() override;
  void ProcessMessages() override;

  Form& window() const { return *window_; }

 private:
  void FormCreate() {}

  Toolkit& toolkit_;
  Engine& engine_;
  TestResults& results_;
  const Forms& forms_;
  std::unique_ptr<Form> window_;
};

// The typeface, size in points and style of a font label, as the printed report copies them:
// a size given in pixels is taken at the 96 pixels per inch the windows were laid out for.
ReportFontSpec ReportFontOf(const FontSpec& font);

// The printed report's fonts, copied from the window's hidden labels Font1 (title), Font2
// (headings) and Font3 (the rest).
ReportFonts ResultsWindowReportFonts();

}  // namespace vantric
