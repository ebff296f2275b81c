// "Gentagne forsøg…": the number of trials, the names of success and failure, and either the
// probability of success (with replacement) or the population drawn from (without).
#pragma once

#include <optional>

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kvistra::ui {

class TrialsDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit TrialsDialog(QWidget* mainWindow);

  // The trials as closed with "OK", or nothing when cancelled; "OK" closes only on trials that
  // can be made, and says what is wrong with any others.
  std::optional<RepeatedTrials> ask(const RepeatedTrials& preset);

 protected:
  void okPressed() override;

 private:
  RepeatedTrials typedTrials() const;
  // The fields of the way not chosen are off.
  void enableChosenWay();

  QSpinBox* countField_;
  QLineEdit* successField_;
  QLineEdit* failureField_;
  QRadioButton* withReplacementChoice_;
  QRadioButton* withoutReplacementChoice_;
  QLineEdit* probabilityField_;
  QSpinBox* populationField_;
  QSpinBox* populationSuccessesField_;
};

}  // namespace kvistra::ui
