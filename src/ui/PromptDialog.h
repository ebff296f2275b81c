// The one-line prompt that asks for a name or an event.
#pragma once

#include <QValidator>
#include <functional>

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QLineEdit;

namespace kvistra::ui {

// Accepts only the characters the prompt's field takes; everything else typed is dropped, and
// the first character dropped is handed to refused.
class PromptValidator : public QValidator {
 public:
  PromptValidator(QObject* parent, std::function<void(QChar)> refused);
  State validate(QString& input, int& position) const override;

 private:
  std::function<void(QChar)> refused_;
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
  void showRefusedHint(QChar refused);

  QLabel* question_;
  QLineEdit* answerField_;
  QLabel* refusedHint_;
  ToolMode toolMode_ = ToolMode::None;
  PromptClose closedBy_ = PromptClose::CloseBox;
};

}  // namespace kvistra::ui
