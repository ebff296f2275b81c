// The approve box: an event's result line with four picture buttons, to approve it, print or
// copy the tree with the event marked, or drop it; below them how the value comes about.
#pragma once

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace kvistra::ui {

class WorkingPane;

class ApproveResultDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit ApproveResultDialog(QWidget* mainWindow);

  // Printing and copying leave the box open; closing it by its close box drops the result.
  ApproveChoice ask(const QString& resultLine, int width, const ApproveBoxActions& actions);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The working below the buttons, the box as high as it needs and at least width wide.
  void showWorking(const std::vector<std::string>& lines, int width);
  QToolButton* pictureButton(const char* name, const QString& hint, const QString& picture, int x);

  QLabel* resultLine_;
  QToolButton* approveButton_;
  QToolButton* printButton_;
  QToolButton* copyButton_;
  QToolButton* dropButton_;
  WorkingPane* working_;
  QPushButton* copyWorkingButton_;
  QPushButton* exportButton_;
  ApproveBoxActions actions_;
};

}  // namespace kvistra::ui
