#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "run/test_settings.h"
#include "ui/log_file_dialog.h"

namespace vantric {

// The configuration dialog: which tests a run performs, its passes, the user CPU rate and
// the log file. Its controls are the settings; there is no Cancel, only Ok with valid entries.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2();

  // The settings as the controls hold them.
  TestSettings Settings() const;

  void Button1Click();
  void Button2Click();
  void read16Click();
  void BitBtn1Click();

  // Runs the save dialog and tells whether a name was confirmed; tests answer in its place.
  using SaveDialogRunner = std::function<bool(LogFileDialog& dialog)>;
  void SetSaveDialogRunner(SaveDialogRunner runner) { run_save_dialog_ = std::move(runner); }

  // Escape and the window manager's close request do nothing: Ok is the only way out.
  void reject() override {}

  QGroupBox* GroupBox1;
  QCheckBox* read16;
  QCheckBox* read2;
  QGroupBox* GroupBox2;
  QCheckBox* seekfull;
  QCheckBox* seekrand;
  QGroupBox* GroupBox3;
  QCheckBox* cpu2x;
  QCheckBox* cpu4x;
  QCheckBox* cpu6x;
  QCheckBox* cpu8x;
  QCheckBox* cpu12x;
  QCheckBox* cpuuser;
  QLineEdit* userval;
  QLabel* Label1;
  QGroupBox* GroupBox4;
  QCheckBox* burst2k;
  QCheckBox* burst8k;
  QCheckBox* burst16k;
  QLabel* Label2;
  QLineEdit* LogEdit;
  QPushButton* BitBtn1;
  QLabel* Label3;
  QLineEdit* PassEdit;
  QPlainTextEdit* Memo1;
  QPushButton* Button2;
  QPushButton* Button1;
  LogFileDialog* SaveDialog1;

 private:
  void FormCreate();
  void SetDefaults();

  SaveDialogRunner run_save_dialog_;
};

}  // namespace vantric
