// The yes/no box that asks before a doubtful value is accepted or a result deleted.
#pragma once

#include "ui/QuestionDialog.h"

class QLabel;
class QPushButton;

namespace kvistra::ui {

class TJN_box : public QuestionDialog {
  Q_OBJECT
 public:
  explicit TJN_box(QWidget* mainWindow);

  // True for "&Ja". The box keeps the width of its last caller.
  bool ask(const QString& line1, const QString& line2, int width);

  QLabel* Label1;
  QLabel* Label2;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace kvistra::ui
