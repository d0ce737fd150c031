#include "toolkit/qt/log_file_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "toolkit/qt/classic_style.h"
#include "toolkit/qt/standard_message.h"

namespace vantric {

LogFileDialog::LogFileDialog(QWidget* parent, const SaveDialogSettings& settings)
    : QFileDialog(parent) {
  setObjectName("SaveDialog1");
  UseClassicPalette(*this);
  setWindowTitle(QString::fromStdString(settings.title));
  // The program's own dialog, so the checks below apply whatever the desktop offers.
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::DontConfirmOverwrite);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setDefaultSuffix(QString::fromStdString(settings.default_extension));
  const QFileInfo initial(QString::fromStdString(settings.initial_name));
  if (initial.isAbsolute()) setDirectory(initial.absolutePath());
  selectFile(initial.fileName());
}

std::string LogFileDialog::ChosenName() const {
  const QStringList chosen = selectedFiles();
  if (chosen.isEmpty()) return "";
  return QFileInfo(chosen.first()).absoluteFilePath().toStdString();
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
