#include "ui/configuration_dialog.h"

#include "run/settings_checks.h"
#include "run/test_catalogue.h"
#include "ui/classic_style.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/standard_message.h"
#include "ui/ui_fonts.h"

namespace vantric {
namespace {

constexpr const char* kExplanation =
    "CPU testing can not be performed unless the \n"
    "read 16k block test is selected.  CPU tests \n"
    "that are beyond the capabilities of the drive \n"
    "will not be performed.  User defined CPU test \n"
    "speeds must be an even number, as the \n"
    "actual testing is done in sectors per second, \n"
    "not kilobytes per second. ";

bool RunModally(LogFileDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

// A test's check box, named and labelled as the test's choice.
QCheckBox* MakeChoice(QWidget* parent, const char* name, const QRect& geometry) {
  return MakeCheckBox(parent, name, geometry, FindChoice(name).text);
}

}  // namespace

TForm2::TForm2()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      run_save_dialog_(RunModally) {
  setObjectName("Form2");
  UseClassicPalette(*this);
  setWindowTitle("Vantric Configuration");
  setFont(DialogFont());
  FixClientArea(this, 376, 272);

  GroupBox1 = MakeGroupBox(this, "GroupBox1", {4, 9, 81, 57}, "Read Tests");
  read16 = MakeChoice(GroupBox1, "read16", {8, 16, 69, 17});
  read2 = MakeChoice(GroupBox1, "read2", {8, 32, 61, 17});

  GroupBox2 = MakeGroupBox(this, "GroupBox2", {100, 9, 121, 57}, "Seek/Read Tests");
  seekfull = MakeChoice(GroupBox2, "seekfull", {8, 16, 77, 17});
  seekrand = MakeChoice(GroupBox2, "seekrand", {8, 32, 105, 17});

  GroupBox3 = MakeGroupBox(this, "GroupBox3", {232, 9, 141, 124}, "CPU Tests");
  cpu2x = MakeChoice(GroupBox3, "cpu2x", {8, 16, 77, 17});
  cpu4x = MakeChoice(GroupBox3, "cpu4x", {8, 32, 77, 17});
  cpu6x = MakeChoice(GroupBox3, "cpu6x", {8, 48, 77, 17});
  cpu8x = MakeChoice(GroupBox3, "cpu8x", {8, 64, 77, 17});
  cpu12x = MakeChoice(GroupBox3, "cpu12x", {8, 80, 77, 17});
  cpuuser = MakeChoice(GroupBox3, "cpuuser", {8, 99, 49, 17});
  userval = MakeEdit(GroupBox3, "userval", {58, 97, 53, 21});
  Label1 = MakeLabel(GroupBox3, "Label1", QPoint(116, 100), "kps");

  GroupBox4 = MakeGroupBox(this, "GroupBox4", {232, 143, 141, 73}, "Buffer Tests");
  burst2k = MakeChoice(GroupBox4, "burst2k", {8, 16, 65, 17});
  burst8k = MakeChoice(GroupBox4, "burst8k", {8, 32, 69, 17});
  burst16k = MakeChoice(GroupBox4, "burst16k", {8, 48, 73, 17});

  Label2 = MakeLabel(this, "Label2", QPoint(4, 91), "Log File");
  LogEdit = MakeEdit(this, "LogEdit", {48, 87, 137, 21});
  BitBtn1 = MakeButton(this, "BitBtn1", {196, 85, 25, 25}, QString());
  BitBtn1->setIcon(DocumentPageIcon());
  BitBtn1->setIconSize(QSize(16, 16));
  Label3 = MakeLabel(this, "Label3", QPoint(4, 121), "Test Passes");
  PassEdit = MakeEdit(this, "PassEdit", {68, 117, 37, 21});

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(4, 166, 217, 101);
  Memo1->document()->setDocumentMargin(2);
  Memo1->setPlainText(kExplanation);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  Button2 = MakeButton(this, "Button2", {232, 239, 55, 25}, "Ok");
  Button2->setDefault(true);
  Button1 = MakeButton(this, "Button1", {312, 239, 61, 25}, "Reset");

  SaveDialog1 = new LogFileDialog(this);

  // Group boxes take no focus of their own, so the order runs through their contents.
  QWidget* const tab_order[] = {read16,  read2,    seekfull, seekrand, cpu2x,   cpu4x,   cpu6x,
                                cpu8x,   userval,  cpuuser,  cpu12x,   Button1, Button2, burst2k,
                                burst8k, burst16k, LogEdit,  BitBtn1,  PassEdit};
  for (size_t i = 1; i < std::size(tab_order); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);

  // Toggled, not clicked: the handler must also run when the defaults change the state.
  connect(read16, &QCheckBox::toggled, this, &TForm2::read16Click);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);

  FormCreate();
}

void TForm2::FormCreate() { SetDefaults(); }

void TForm2::SetDefaults() {
  for (QCheckBox* box : {read16, read2, seekfull, seekrand, cpu2x, cpu4x, cpu6x, cpu8x, cpu12x}) {
    box->setChecked(true);
  }
  cpuuser->setChecked(false);
  userval->clear();
  for (QCheckBox* box : {burst2k, burst8k, burst16k}) box->setChecked(true);
  LogEdit->clear();
  PassEdit->setText("1");
}

void TForm2::Button1Click() { SetDefaults(); }

void TForm2::read16Click() {
  const bool enabled = read16->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{cpu2x, cpu4x, cpu6x, cpu8x, cpu12x,
                                                          cpuuser, userval, Label1}) {
    control->setEnabled(enabled);
  }
}

void TForm2::BitBtn1Click() {
  SaveDialog1->PrepareToOpen();
  if (run_save_dialog_(*SaveDialog1)) LogEdit->setText(SaveDialog1->TakeChosenName());
}

TestSettings TForm2::Settings() const {
  TestSettings settings;
  settings.read16 = read16->isChecked();
  settings.read2 = read2->isChecked();
  settings.seekfull = seekfull->isChecked();
  settings.seekrand = seekrand->isChecked();
  settings.cpu2x = cpu2x->isChecked();
  settings.cpu4x = cpu4x->isChecked();
  settings.cpu6x = cpu6x->isChecked();
  settings.cpu8x = cpu8x->isChecked();
  settings.cpu12x = cpu12x->isChecked();
  settings.cpuuser = cpuuser->isChecked();
  settings.userval = userval->text().toStdString();
  settings.burst2k = burst2k->isChecked();
  settings.burst8k = burst8k->isChecked();
  settings.burst16k = burst16k->isChecked();
  settings.LogEdit = LogEdit->text().toStdString();
  settings.PassEdit = PassEdit->text().toStdString();
  return settings;
}

void TForm2::Button2Click() {
  TestSettings settings = Settings();
  const std::optional<std::string> refusal = CheckSettings(settings);
  LogEdit->setText(QString::fromStdString(settings.LogEdit));
  if (refusal) {
    ShowStandardMessage(this, QString::fromStdString(*refusal));
    return;
  }
  hide();
}

}  // namespace vantric
