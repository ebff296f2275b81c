// The yes/no box that asks before a doubtful value is accepted or a result deleted.
#pragma once

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;

namespace kvistra::ui {

class YesNoDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit YesNoDialog(QWidget* mainWindow);

  // True for "&Ja". Without a width the box keeps the width of its last caller.
  bool ask(const QString& line1, const QString& line2, YesNoWidth width);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* firstLine_;
  QLabel* secondLine_;
};

}  // namespace kvistra::ui
