// "Simulér…": the dialog that asks how many trials to draw, and from which seed.
#pragma once

#include <optional>

#include "host/Host.h"
#include "ui/QuestionDialog.h"

class QComboBox;
class QLineEdit;

namespace kvistra::ui {

class SimulationDialog : public QuestionDialog {
  Q_OBJECT
 public:
  explicit SimulationDialog(QWidget* mainWindow);

  // The fields as closed with "Simulér" (Windows-1252), or nothing when cancelled.
  std::optional<SimulationChoice> choose(const SimulationChoice& preset);

 private:
  QComboBox* trialsField_;
  QLineEdit* seedField_;
};

}  // namespace kvistra::ui
