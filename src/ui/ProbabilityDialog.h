// The probability dialog: one number, typed as a decimal or as a fraction such as 1/6.
#pragma once

#include <QValidator>

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QLineEdit;

namespace kvistra::ui {

// Takes a typed "," as "." and drops every key that cannot be part of a number.
class ProbabilityValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

class ProbabilityDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit ProbabilityDialog(QWidget* mainWindow);

  // Shows the dialog for the branch named; the field keeps the previous entry, selected, so
  // typing replaces it.
  ProbabilityReply ask(const QString& branchLabel);

 protected:
  void showEvent(QShowEvent* event) override;
  void cancelPressed() override;

 private:
  QLabel* branchLabel_;
  QLineEdit* probabilityField_;
  bool cancelled_ = false;
};

}  // namespace kvistra::ui
