// The dialog that asks a whole number within bounds with a spin box: the number of branchings
// of a new tree, the branches of a new group.
#pragma once

#include <optional>

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLabel;
class QSpinBox;

namespace kvistra::ui {

class CountDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit CountDialog(QWidget* mainWindow);

  // The number chosen, or nothing when cancelled; the question's texts are Windows-1252.
  std::optional<int> ask(const CountQuestion& question);

 private:
  // Fits the dialog to the label's length: the spin box beside it, the buttons below.
  void fitTo(int labelWidth);

  QLabel* label_;
  QSpinBox* countField_;
};

}  // namespace kvistra::ui
