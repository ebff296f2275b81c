// The one-line prompt that asks for a name or an event.
#pragma once

#include <QValidator>

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QLineEdit;

namespace kvistra::ui {

// Accepts only the characters the prompt's field takes; everything else typed is dropped.
class PromptValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

class PromptDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit PromptDialog(QWidget* mainWindow);

  PromptReply ask(const QString& question, ToolMode toolMode);

 protected:
  void showEvent(QShowEvent* event) override;
  void okPressed() override;
  void cancelPressed() override;

 private:
  QLabel* question_;
  QLineEdit* answerField_;
  ToolMode toolMode_ = ToolMode::None;
  PromptClose closedBy_ = PromptClose::CloseBox;
};

}  // namespace kvistra::ui
