// The worksheet dialog: what the pupils fill in, whether an answer key follows, and whether the
// pages are printed, shown first or saved as a PDF file. Made once, it keeps its choices for the
// rest of the run.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "host/Host.h"

class QCheckBox;
class QDialogButtonBox;
class QRadioButton;

namespace kvistra::ui {

class WorksheetDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WorksheetDialog(QWidget* mainWindow);

  // Asked for a tree of this many branchings, which decides the choices and names them;
  // nothing when cancelled.
  std::optional<WorksheetRequest> ask(const WorksheetOffer& offer);

 private:
  void addActionButton(QDialogButtonBox* buttons, const char* name, const QString& caption,
                       std::optional<WorksheetAction> action);

  std::array<QRadioButton*, 9> blankChoices_{};
  QCheckBox* answerKeyBox_ = nullptr;
  WorksheetAction action_ = WorksheetAction::Print;
};

}  // namespace kvistra::ui
