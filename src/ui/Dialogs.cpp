#include "ui/Dialogs.h"

#include <type_traits>

#include "ui/AboutDialog.h"
#include "ui/ApproveResultDialog.h"
#include "ui/BranchNamesDialog.h"
#include "ui/CountDialog.h"
#include "ui/PrintHeadingDialog.h"
#include "ui/ProbabilityDialog.h"
#include "ui/PromptDialog.h"
#include "ui/QuestionDialog.h"
#include "ui/ResultLineDialog.h"
#include "ui/ReverseTreeDialog.h"
#include "ui/SimulationDialog.h"
#include "ui/TreeFileDialog.h"
#include "ui/TrialsDialog.h"
#include "ui/VariableDialog.h"
#include "ui/WorksheetDialog.h"
#include "ui/YesNoDialog.h"

namespace kvistra::ui {

Dialogs::Dialogs(QWidget& mainWindow, std::function<void()> showHelp)
    : mainWindow_(mainWindow), showHelp_(std::move(showHelp)) {}

template <class Dialog, class... Arguments>
Dialog& Dialogs::madeOnFirstUse(Dialog*& dialog, Arguments... arguments) {
  if (!dialog) {
    dialog = new Dialog(&mainWindow_, arguments...);
    if constexpr (std::is_base_of_v<QuestionDialog, Dialog>)
      QObject::connect(dialog, &QuestionDialog::helpRequested, dialog, [this] { showHelp_(); });
  }
  return *dialog;
}

AboutDialog& Dialogs::about() {
  return madeOnFirstUse(about_);
}
ApproveResultDialog& Dialogs::approveResult() {
  return madeOnFirstUse(approveResult_);
}
ProbabilityDialog& Dialogs::probability() {
  return madeOnFirstUse(probability_);
}
PromptDialog& Dialogs::prompt() {
  return madeOnFirstUse(prompt_);
}
ResultLineDialog& Dialogs::resultLine() {
  return madeOnFirstUse(resultLine_);
}
YesNoDialog& Dialogs::yesNo() {
  return madeOnFirstUse(yesNo_);
}
BranchNamesDialog& Dialogs::branchNames() {
  return madeOnFirstUse(branchNames_);
}
TreeFileDialog& Dialogs::openFile() {
  return madeOnFirstUse(openFile_, QFileDialog::AcceptOpen);
}
TreeFileDialog& Dialogs::saveFile() {
  return madeOnFirstUse(saveFile_, QFileDialog::AcceptSave);
}
PrintHeadingDialog& Dialogs::printHeading() {
  return madeOnFirstUse(printHeading_);
}
ReverseTreeDialog& Dialogs::reverseTree() {
  return madeOnFirstUse(reverseTree_);
}

SimulationDialog& Dialogs::simulation() {
  return madeOnFirstUse(simulation_);
}

CountDialog& Dialogs::count() {
  return madeOnFirstUse(count_);
}

VariableDialog& Dialogs::variable() {
  return madeOnFirstUse(variable_);
}

TrialsDialog& Dialogs::trials() {
  return madeOnFirstUse(trials_);
}

WorksheetDialog& Dialogs::worksheet() {
  return madeOnFirstUse(worksheet_);
}

}  // namespace kvistra::ui
