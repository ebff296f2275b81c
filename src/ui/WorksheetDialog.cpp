#include "ui/WorksheetDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"
#include "worksheets/Worksheet.h"

namespace kvistra::ui {

namespace {

const QString Title = "Udskriv opgaveark";
const QString BlanksTitle = "Det skal eleverne udfylde";

struct BlankChoice {
  WorksheetBlanks blanks;
  const char* name;
};
// In the order the dialog lists them.
constexpr BlankChoice BlankChoices[] = {
    {WorksheetBlanks::AllBranches, "allBranchesChoice"},
    {WorksheetBlanks::LaterBranchings, "laterBranchingsChoice"},
    {WorksheetBlanks::ThirdBranching, "thirdBranchingChoice"},
    {WorksheetBlanks::FourthBranching, "fourthBranchingChoice"},
    {WorksheetBlanks::FifthBranching, "fifthBranchingChoice"},
    {WorksheetBlanks::SixthBranching, "sixthBranchingChoice"},
    {WorksheetBlanks::PathProbabilities, "pathProbabilitiesChoice"},
    {WorksheetBlanks::VariableDistribution, "variableDistributionChoice"},
    {WorksheetBlanks::TrialsTable, "trialsTableChoice"},
};

void setCaption(QAbstractButton* button, const QString& caption) {
  button->setText(caption);
  button->setAccessibleName(QString(caption).remove('&'));
}

}  // namespace

WorksheetDialog::WorksheetDialog(QWidget* mainWindow) : QDialog(mainWindow) {
  setObjectName("worksheetDialog");
  setWindowTitle(Title);
  setAccessibleName(Title);
  setFont(dialogFont(13, false));
  auto* column = new QVBoxLayout(this);

  auto* group = new QGroupBox(BlanksTitle, this);
  group->setObjectName("blanksGroup");
  group->setAccessibleName(BlanksTitle);
  auto* choices = new QVBoxLayout(group);
  for (std::size_t i = 0; i < blankChoices_.size(); ++i) {
    blankChoices_[i] = new QRadioButton(group);
    blankChoices_[i]->setObjectName(BlankChoices[i].name);
    choices->addWidget(blankChoices_[i]);
  }
  blankChoices_[0]->setChecked(true);
  column->addWidget(group);

  answerKeyBox_ = new QCheckBox(this);
  answerKeyBox_->setObjectName("answerKeyBox");
  setCaption(answerKeyBox_, "Med &facitliste");
  answerKeyBox_->setChecked(true);
  column->addWidget(answerKeyBox_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->setObjectName("worksheetButtons");
  addActionButton(buttons, "printButton", "&Udskriv…", WorksheetAction::Print);
  addActionButton(buttons, "previewButton", "&Vis udskrift", WorksheetAction::Preview);
  addActionButton(buttons, "savePdfButton", "&Gem som PDF…", WorksheetAction::SavePdf);
  addActionButton(buttons, "cancelButton", "Annuller", std::nullopt);
  column->addWidget(buttons);
}

void WorksheetDialog::addActionButton(QDialogButtonBox* buttons, const char* name,
                                      const QString& caption,
                                      std::optional<WorksheetAction> action) {
  QPushButton* button = buttons->addButton(
      caption, action ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole);
  button->setObjectName(name);
  setCaption(button, caption);
  if (action == WorksheetAction::Print) button->setDefault(true);
  connect(button, &QPushButton::clicked, this, [this, action] {
    if (!action) {
      reject();
      return;
    }
    action_ = *action;
    accept();
  });
}

std::optional<WorksheetRequest> WorksheetDialog::ask(const WorksheetOffer& offer) {
  // A tree offers blanks only on the branchings it has; a choice kept from a larger tree, or
  // from a tree when there is none, gives way to the first offered.
  const std::vector<WorksheetChoice> offered = worksheetChoices(offer);
  bool keptChoiceOffered = false;
  QRadioButton* firstOffered = nullptr;
  for (std::size_t i = 0; i < blankChoices_.size(); ++i) {
    QRadioButton* choice = blankChoices_[i];
    const auto match = std::find_if(offered.begin(), offered.end(), [i](const auto& offer) {
      return offer.blanks == BlankChoices[i].blanks;
    });
    if (match != offered.end()) setCaption(choice, toQt(match->caption));
    choice->setVisible(match != offered.end());
    if (match == offered.end()) continue;
    if (!firstOffered) firstOffered = choice;
    keptChoiceOffered = keptChoiceOffered || choice->isChecked();
  }
  if (!keptChoiceOffered && firstOffered) firstOffered->setChecked(true);
  adjustSize();
  if (exec() != Accepted) return std::nullopt;
  WorksheetRequest request;
  for (std::size_t i = 0; i < blankChoices_.size(); ++i)
    if (blankChoices_[i]->isChecked()) request.blanks = BlankChoices[i].blanks;
  request.answerKey = answerKeyBox_->isChecked();
  request.action = action_;
  return request;
}

}  // namespace kvistra::ui
