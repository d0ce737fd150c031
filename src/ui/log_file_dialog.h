#pragma once

#include <QFileDialog>
#include <QString>

namespace vantric {

// The save dialog of the log file name: it refuses a name in a folder that does not exist,
// never asks before overwriting (the log is appended to) and starts with the name last
// chosen.
class LogFileDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit LogFileDialog(QWidget* parent);

  // Prepares the dialog to open with the last chosen name, or "vantric" the first time.
  void PrepareToOpen();
  // Remembers the confirmed name for the next opening and returns it as a full path.
  QString TakeChosenName();

  void accept() override;

 private:
  QString last_name_ = "vantric";
};

}  // namespace vantric
