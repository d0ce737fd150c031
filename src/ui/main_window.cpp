#include "ui/main_window.h"

#include <QPalette>

#include "ui/classic_style.h"
#include "ui/configuration_dialog.h"
#include "ui/controls.h"
#include "ui/message_pump.h"
#include "ui/pictures.h"
#include "ui/results_window.h"
#include "ui/standard_message.h"
#include "ui/ui_fonts.h"

namespace vantric {
namespace {

constexpr int kClientWidth = 359;
constexpr int kClientHeight = 239;

QLabel* MakeWhiteLabel(QWidget* parent, const char* name, QPoint position, const QString& text,
                       const QFont& font) {
  QLabel* label = MakeLabel(parent, name, position, QString());
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  label->setFont(font);
  SetLabelText(label, text);
  return label;
}

// The value is counted in units of 2 KB.
QString CdfsLabelText(const QString& design_text, int32_t value) {
  if (value > 0) return design_text + QString::number(2 * static_cast<int64_t>(value)) + "k";
  return design_text + "unknown";
}

}  // namespace

TForm1::TForm1(Engine& engine, const TestResults& results, const Forms& forms)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      engine_(engine),
      results_(results),
      forms_(forms) {
  setObjectName("Form1");
  UseClassicPalette(*this);
  setWindowTitle("Vantric 1.65 for Windows 95/NT");
  setFont(DialogFont());
  FixClientArea(this, kClientWidth, kClientHeight);

  Image2 = MakeLabel(this, "Image2", QRect(0, 0, kClientWidth, kClientHeight), QString());
  Image2->setScaledContents(true);
  Image2->setPixmap(DarkDiscMontage(QSize(kClientWidth, kClientHeight)));

  w95r = MakeWhiteLabel(this, "w95r", {15, 10}, "Win95 CDFS read ahead  is ",
                        DialogFontOfHeight(15, true));
  w95c = MakeWhiteLabel(this, "w95c", {15, 27}, "Win95 CDFS cache size is ",
                        DialogFontOfHeight(13, true));
  Label1 = MakeWhiteLabel(this, "Label1", {15, 49},
                          "(See System Properties/Performance/File System/CD-ROM)", DialogFont());

  testbt = MakeButton(this, "testbt", {29, 107, 75, 25}, "Run Test");
  QPalette navy = testbt->palette();
  navy.setColor(QPalette::ButtonText, kClassicNavy);
  testbt->setPalette(navy);
  confbt = MakeButton(this, "confbt", {136, 107, 75, 25}, "Configure");
  resultsbt = MakeButton(this, "resultsbt", {243, 107, 75, 25}, "View Results");
  resultsbt->setEnabled(false);
  for (QPushButton* button : {testbt, confbt, resultsbt}) button->setAutoDefault(true);
  testbt->setDefault(true);
  setTabOrder(testbt, confbt);
  setTabOrder(confbt, resultsbt);
  testbt->setFocus();

  connect(testbt, &QPushButton::clicked, this, &TForm1::testbtClick);
  connect(confbt, &QPushButton::clicked, this, &TForm1::confbtClick);
  connect(resultsbt, &QPushButton::clicked, this, &TForm1::resultsbtClick);

  FormCreate();
}

void TForm1::FormCreate() {
  if (engine_.IsWindowsNT()) {
    w95r->hide();
    w95c->hide();
    Label1->hide();
    return;
  }
  SetLabelText(w95r, CdfsLabelText(w95r->text(), engine_.CdfsPrefetch));
  SetLabelText(w95c, CdfsLabelText(w95c->text(), engine_.CdfsCacheSize));
}

void TForm1::testbtClick() {
  switch (engine_.FindTestDisc()) {
    case NoDisc:
      ShowStandardMessage(this, "Insert Vantric disc in drive before running test.");
      return;
    case SeveralDiscs:
      ShowStandardMessage(this, "Please insert only ONE Vantric disc in CD-ROM drive(s) for test.");
      return;
    case DiscOpened:
      break;
  }
  TForm3& results_window = *forms_.Form3;
  hide();
  results_window.show();
  results_window.RunBenchmark();
  WaitWhileVisible(results_window);
  resultsbt->setEnabled(results_.ResultsValid);
  show();
}

void TForm1::confbtClick() { ShowInstead(*forms_.Form2); }

void TForm1::resultsbtClick() {
  if (!results_.ResultsValid) {
    ShowStandardMessage(this, "No valid test data available.");
    return;
  }
  ShowInstead(*forms_.Form3);
}

void TForm1::ShowInstead(QWidget& other) {
  hide();
  other.show();
  WaitWhileVisible(other);
  show();
}

}  // namespace vantric
