// "Stokastisk variabel…": the random variable's name, and one of three ways to give it its
// values, each with its own table beside the others: the names counted, a value on each name,
// or a value on each outcome. Only the chosen way's table takes input.
#pragma once

#include <array>
#include <vector>

#include "host/Host.h"
#include "ui/QuestionDialog.h"
#include "variable/VariableDefinition.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QScrollArea;

namespace kvistra::ui {

class VariableDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit VariableDialog(QWidget* mainWindow);

  // Opens on form (Windows-1252); the fields as closed. "OK" closes it only when the core
  // takes every field of the chosen way.
  VariableReply ask(const VariableForm& form);

 protected:
  void okPressed() override;

 private:
  static constexpr std::size_t KindCount = 3;
  // Puts the rows of form in the three tables, anew each time the dialog opens.
  void fillTables(const VariableForm& form);
  VariableForm typedForm() const;
  void enableChosenTable();
  QLineEdit* faultyField(const VariableFormFault& fault) const;

  VariableForm shownForm_;
  VariableChoice choice_ = VariableChoice::Cancel;
  QLineEdit* nameField_ = nullptr;
  std::array<QRadioButton*, KindCount> kindButtons_{};
  std::array<QScrollArea*, KindCount> tables_{};
  std::vector<QCheckBox*> countedBoxes_;
  std::vector<QLineEdit*> nameValueFields_;
  std::vector<QLineEdit*> outcomeValueFields_;
  QPushButton* removeButton_ = nullptr;
};

}  // namespace kvistra::ui
