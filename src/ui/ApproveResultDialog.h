// The approve box: an event's result line with four picture buttons, to approve it, print or
// copy the tree with the event marked, or drop it.
#pragma once

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QToolButton;

namespace kvistra::ui {

class ApproveResultDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit ApproveResultDialog(QWidget* mainWindow);

  // Printing and copying leave the box open; closing it by its close box drops the result.
  ApproveChoice ask(const QString& resultLine, int width, const ApproveBoxActions& actions);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QToolButton* pictureButton(const char* name, const QString& hint, const QString& picture, int x);

  QLabel* resultLine_;
  QToolButton* approveButton_;
  QToolButton* printButton_;
  QToolButton* copyButton_;
  QToolButton* dropButton_;
  ApproveBoxActions actions_;
};

}  // namespace kvistra::ui
