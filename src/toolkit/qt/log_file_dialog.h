#pragma once

#include <QFileDialog>
#include <string>

#include "forms/toolkit.h"

namespace vantric {

// The save dialog of the log file name: it refuses a name in a folder that does not exist and
// never asks before overwriting (the log is appended to).
class LogFileDialog : public QFileDialog {
  Q_OBJECT

 public:
  // Opens with the settings' title and initial name; a name without an extension gets the
  // settings' default one.
  LogFileDialog(QWidget* parent, const SaveDialogSettings& settings);

  // The confirmed name as a full path.
  std::string ChosenName() const;

  void accept() override;
};

}  // namespace vantric
