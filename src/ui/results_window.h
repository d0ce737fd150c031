#pragma once

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "engine/engine.h"
#include "run/results_view.h"
#include "run/test_results.h"
#include "ui/forms.h"

namespace vantric {

// The results window: the progress display of a run, then the display of its results.
class TForm3 : public QDialog, public ResultsView {
  Q_OBJECT

 public:
  TForm3(Engine& engine, TestResults& results, const Forms& forms);

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

  // The window hides itself only through Button1 or the run; Escape and the window
  // manager's close request do nothing.
  void reject() override {}

  QLabel* Image1;
  QGroupBox* GroupBox1;
  QGroupBox* GroupBox2;
  QGroupBox* GroupBox3;
  QGroupBox* GroupBox4;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QFrame* Panel1;
  QLabel* CurTest;
  QProgressBar* Progress;
  QLabel* mindex;
  QLabel* aindex;
  QLabel* drvspeed;
  QLabel* drvtype;
  QPlainTextEdit* Memo1;
  QLabel* Font1;
  QLabel* Font2;
  QLabel* Font3;
  QLabel* cpu;

 private:
  void FormCreate();
  QWidget* Control(std::string_view name) const;

  Engine& engine_;
  TestResults& results_;
  const Forms& forms_;
};

}  // namespace vantric
