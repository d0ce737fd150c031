#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "engine/engine.h"
#include "run/test_results.h"
#include "ui/forms.h"

namespace vantric {

// The main window: the Windows 95 CD file system cache settings and the three commands.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(Engine& engine, const TestResults& results, const Forms& forms);

  void testbtClick();
  void confbtClick();
  void resultsbtClick();

  QLabel* Image2;
  QLabel* w95r;
  QLabel* w95c;
  QLabel* Label1;
  QPushButton* testbt;
  QPushButton* confbt;
  QPushButton* resultsbt;

 private:
  void FormCreate();
  // Hides this window, shows the other one until it hides itself, then comes back.
  void ShowInstead(QWidget& other);

  Engine& engine_;
  const TestResults& results_;
  const Forms& forms_;
};

}  // namespace vantric
