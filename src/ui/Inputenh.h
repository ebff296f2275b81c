// The probability dialog: one number, typed as a decimal or as a fraction such as 1/6.
#pragma once

#include <QValidator>

#include "tree/Host.h"
#include "ui/QuestionDialog.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvistra::ui {

// Takes a typed "," as "." and drops every key that cannot be part of a number.
class ProbabilityValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

class TBtnBottomDlg : public QuestionDialog {
  Q_OBJECT
 public:
  explicit TBtnBottomDlg(QWidget* mainWindow);

  // Shows the dialog; the field keeps the previous entry, selected, so typing replaces it.
  ProbabilityReply ask();

  QFrame* Bevel1;
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
  void cancelPressed() override { CancelBtnClick(); }

 private:
  void CancelBtnClick();

  bool cancelled_ = false;
};

}  // namespace kvistra::ui
