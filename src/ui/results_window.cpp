#include "ui/results_window.h"

#include <QCoreApplication>

#include "run/description_texts.h"
#include "run/run_benchmark.h"
#include "run/test_catalogue.h"
#include "run/text_readers.h"
#include "ui/classic_style.h"
#include "ui/configuration_dialog.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/print/print_report.h"
#include "ui/standard_message.h"
#include "ui/ui_fonts.h"
#include "ui/user_information_dialog.h"

namespace vantric {
namespace {

constexpr int kClientWidth = 449;
constexpr int kClientHeight = 347;
constexpr int kCaptionLimit = 255;

// Each test's line in its group: its name, right-aligned to end at x = 85, and its value.
void AddTestLines(QGroupBox* group, int group_number) {
  constexpr int kNameRightEdge = 85;
  constexpr int kNameWidth = 83;
  constexpr int kValueLeft = 92;
  for (const CatalogueTest& test : kTestCatalogue) {
    if (test.group != group_number) continue;
    QLabel* name =
        MakeLabel(group, test.name_label,
                  QRect(kNameRightEdge - kNameWidth, test.top, kNameWidth, 13), test.text);
    name->setAlignment(Qt::AlignRight | Qt::AlignTop);
    MakeLabel(group, test.value_label, QPoint(kValueLeft, test.top), QString());
  }
}

QLabel* MakeResultLine(QWidget* parent, const char* name, QPoint position) {
  QLabel* line = MakeLabel(parent, name, position, QString());
  line->setFont(ArialFont(13, true));
  QPalette navy = line->palette();
  navy.setColor(QPalette::WindowText, kClassicNavy);
  line->setPalette(navy);
  line->hide();
  return line;
}

// Never shown: carries a font of the printed report.
QLabel* MakeFontCarrier(QWidget* parent, const char* name, QPoint position, const QFont& font) {
  QLabel* carrier = MakeLabel(parent, name, position, QString());
  carrier->setFont(font);
  SetLabelText(carrier, name);
  carrier->hide();
  return carrier;
}

}  // namespace

TForm3::TForm3(Engine& engine, TestResults& results, const Forms& forms)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      engine_(engine),
      results_(results),
      forms_(forms) {
  setObjectName("Form3");
  UseClassicPalette(*this);
  setWindowTitle("Vantric Pass 1/1");
  setFont(DialogFont());
  FixClientArea(this, kClientWidth, kClientHeight);

  Image1 = MakeLabel(this, "Image1", QRect(0, 0, kClientWidth, kClientHeight), QString());
  Image1->setScaledContents(true);

  GroupBox1 = MakeGroupBox(this, "GroupBox1", {9, 4, 153, 98}, "Read Tests");
  GroupBox2 = MakeGroupBox(this, "GroupBox2", {172, 4, 153, 98}, "Seek/Read Tests");
  GroupBox3 = MakeGroupBox(this, "GroupBox3", {9, 105, 153, 93}, "CPU Tests");
  GroupBox4 = MakeGroupBox(this, "GroupBox4", {172, 105, 153, 93}, "Burst Tests");
  AddTestLines(GroupBox1, 1);
  AddTestLines(GroupBox2, 2);
  AddTestLines(GroupBox3, 3);
  AddTestLines(GroupBox4, 4);
  MakeLabel(GroupBox4, "Label1", QPoint(15, 57), "For true burst do not use");
  MakeLabel(GroupBox4, "Label2", QPoint(15, 69), "read-ahead or caching.");

  Button1 = MakeButton(this, "Button1", {356, 46, 61, 29}, "Cancel");
  Button1->setDefault(true);
  Button2 = MakeButton(this, "Button2", {356, 90, 61, 29}, "Print");
  Button2->hide();
  Button3 = MakeButton(this, "Button3", {356, 134, 61, 29}, "Compare");
  Button3->hide();

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(35, 203, 380, 29);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setAutoFillBackground(true);
  CurTest = MakeLabel(Panel1, "CurTest", QRect(9, 8, 173, 13), "Current Test: ");
  Progress = new QProgressBar(Panel1);
  Progress->setObjectName("Progress");
  Progress->setGeometry(186, 8, 187, 13);
  Progress->setRange(0, 100);
  Progress->setValue(0);
  Progress->setTextVisible(false);

  mindex = MakeResultLine(this, "mindex", {10, 199});
  aindex = MakeResultLine(this, "aindex", {10, 217});
  drvspeed = MakeResultLine(this, "drvspeed", {229, 199});
  drvtype = MakeResultLine(this, "drvtype", {229, 217});

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(9, 236, 429, 106);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setReadOnly(true);

  Font1 = MakeFontCarrier(this, "Font1", {216, 159}, ArialFont(21, false, true));
  Font2 = MakeFontCarrier(this, "Font2", {280, 159}, ArialFont(19));
  Font3 = MakeFontCarrier(this, "Font3", {340, 152}, ArialFont(16));
  cpu = MakeFontCarrier(this, "cpu", {347, 17}, DialogFont());

  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);

  FormCreate();
}

void TForm3::FormCreate() {
  Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
  Image1->setPixmap(EmbossedDiscMontage(QSize(kClientWidth, kClientHeight)));
}

void TForm3::Button1Click() {
  if (results_.RunInProgress) {
    engine_.CancelRequested = true;
    return;
  }
  hide();
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
  const ReportFonts fonts{ReportFontOf(Font1->font()), ReportFontOf(Font2->font()),
                          ReportFontOf(Font3->font())};
  if (const std::optional<QString> message = PrintOnDefaultPrinter(content, fonts)) {
    ShowStandardMessage(this, *message);
  }
}

void TForm3::ShowTestCaption(const std::string& text) {
  CurTest->setText(QString::fromStdString(text).left(kCaptionLimit));
}

void TForm3::ShowTestProgress(int percent) { Progress->setValue(percent); }

void TForm3::SetWindowCaption(const std::string& text) {
  setWindowTitle(QString::fromStdString(text));
}

QWidget* TForm3::Control(std::string_view name) const {
  QWidget* control =
      findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (control == nullptr)
    qWarning("The results window has no control named %.*s", static_cast<int>(name.size()),
             name.data());
  return control;
}

void TForm3::SetText(std::string_view control, const std::string& text) {
  QWidget* target = Control(control);
  if (auto* label = qobject_cast<QLabel*>(target)) {
    SetLabelText(label, QString::fromStdString(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
    button->setText(QString::fromStdString(text));
  }
}

void TForm3::SetEnabled(std::string_view control, bool enabled) {
  if (QWidget* target = Control(control)) target->setEnabled(enabled);
}

void TForm3::SetVisible(std::string_view control, bool visible) {
  if (QWidget* target = Control(control)) target->setVisible(visible);
}

void TForm3::ClearDescriptions() { Memo1->clear(); }

void TForm3::DescribeStep(int number) {
  if (!Memo1->document()->isEmpty()) Memo1->appendPlainText(QString());
  const std::string_view text = DescriptionText(number);
  Memo1->appendPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  ProcessMessages();
}

void TForm3::ShowMessage(const std::string& text) {
  ShowStandardMessage(this, QString::fromStdString(text));
}

void TForm3::HideWindow() { hide(); }

void TForm3::ProcessMessages() { QCoreApplication::processEvents(); }

void TForm3::RunBenchmark() {
  const TestSettings settings = forms_.Form2->Settings();
  vantric::RunBenchmark({engine_, settings, results_, *this, *forms_.Form4});
}

}  // namespace vantric
