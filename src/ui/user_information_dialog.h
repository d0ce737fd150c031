#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "run/results_view.h"

namespace vantric {

// The user information dialog: the drive, controller and computer under test, for the log
// file and the printout. There is no way out but Ok; whatever it holds is used.
class TForm4 : public QDialog, public UserInformation {
  Q_OBJECT

 public:
  TForm4();

  void Button1Click();

  // UserInformation.
  void Ask() override;
  void Clear() override;
  std::string Edit1() const override;
  std::string Edit2() const override;
  std::string Edit3() const override;

  // Escape and the window manager's close request do nothing: the texts are answered
  // with Ok only.
  void reject() override {}

  QLabel* Label1;
  QLineEdit* Edit1_;
  QLabel* Label2;
  QLineEdit* Edit2_;
  QLabel* Label3;
  QLineEdit* Edit3_;
  QPushButton* Button1;
};

}  // namespace vantric
