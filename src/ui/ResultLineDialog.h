// The line viewer: one line of the results list, read-only, and an OK button.
#pragma once

#include "ui/QuestionDialog.h"

class QPlainTextEdit;

namespace kvistra::ui {

class ResultLineDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit ResultLineDialog(QWidget* mainWindow);

  void showLine(const QString& line);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* closeButton_;  // "&OK"
  QPlainTextEdit* line_;
};

}  // namespace kvistra::ui
