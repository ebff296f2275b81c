// The dialog that sets the heading line of the printout. Its field keeps what was typed from
// one opening to the next, and remembers what it showed when it opened, which "Fortryd" returns.
#pragma once

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLineEdit;

namespace kvistra::ui {

class PrintHeadingDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit PrintHeadingDialog(QWidget* mainWindow);

  PrintHeadingReply ask();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void okPressed() override;
  void cancelPressed() override;

 private:
  QLineEdit* headingField_;
  QString savedText_;
  PromptClose closedBy_ = PromptClose::CloseBox;
};

}  // namespace kvistra::ui
