#include "ui/log_file_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "ui/classic_style.h"
#include "ui/standard_message.h"

namespace vantric {

LogFileDialog::LogFileDialog(QWidget* parent) : QFileDialog(parent) {
  setObjectName("SaveDialog1");
  UseClassicPalette(*this);
  setWindowTitle("Save Log File As");
  // The program's own dialog, so the checks below apply whatever the desktop offers.
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::DontConfirmOverwrite);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setDefaultSuffix("log");
}

void LogFileDialog::PrepareToOpen() {
  const QFileInfo last(last_name_);
  if (last.isAbsolute()) setDirectory(last.absolutePath());
  selectFile(last.fileName());
}

QString LogFileDialog::TakeChosenName() {
  const QStringList chosen = selectedFiles();
  if (chosen.isEmpty()) return QString();
  last_name_ = QFileInfo(chosen.first()).absoluteFilePath();
  return last_name_;
}

void LogFileDialog::accept() {
  const QStringList chosen = selectedFiles();
  if (!chosen.isEmpty()) {
    const QFileInfo name(chosen.first());
    if (!name.isDir() && !name.absoluteDir().exists()) {
      ShowStandardMessage(
          this, "The folder " + QDir::toNativeSeparators(name.absolutePath()) + " does not exist.");
      return;
    }
  }
  QFileDialog::accept();
}

}  // namespace vantric
