// The one-line prompt that asks for a name or an event.
#pragma once

#include <QValidator>

#include "tree/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvistra::ui {

// Accepts only the characters the prompt's field takes; everything else typed is dropped.
class PromptValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

class TForm2 : public QuestionDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* mainWindow);

  PromptReply ask(const QString& question, int toolMode);

  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
  void cancelPressed() override { CancelBtnClick(); }

 private:
  void OKBtnClick();
  void CancelBtnClick();

  int toolMode_ = 0;
  PromptClose closedBy_ = PromptClose::CloseBox;
};

}  // namespace kvistra::ui
