// "Vend træet" on a tree of three branchings: the dialog that asks which branching goes first.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/QuestionDialog.h"

class QRadioButton;

namespace kvistra::ui {

class ReverseTreeDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit ReverseTreeDialog(QWidget* mainWindow);

  // names holds the names of branchings 1 to 3 (Windows-1252); the choice is 2 or 3, and
  // nothing when the dialog was cancelled. The last choice is offered again.
  std::optional<int> choose(const std::vector<std::string>& names);

 private:
  QRadioButton* secondFirst_;
  QRadioButton* thirdFirst_;
};

}  // namespace kvistra::ui
