// The probability dialog: one number, typed as a decimal or as a fraction such as 1/6.
#pragma once

#include <QDialog>
#include <QValidator>

#include "tree/Host.h"

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

class TBtnBottomDlg : public QDialog {
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

 signals:
  void helpRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CancelBtnClick();

  QWidget* mainWindow_;
  bool cancelled_ = false;
};

}  // namespace kvistra::ui
