#include "ui/ReverseTreeDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

// Wide enough for the note, and for six names a choice, in the dialogs' fixed-pitch font.
constexpr QSize ClientSize(420, 156);
constexpr QRect SecondPlace(24, 36, 380, 22);
constexpr QRect ThirdPlace(24, 60, 380, 22);
constexpr QRect OkPlace(24, 120, 77, 27);
constexpr QRect CancelPlace(307, 120, 89, 27);

QRadioButton* placeChoice(QWidget* parent, const char* name, QRect place) {
  auto* choice = new QRadioButton(parent);
  choice->setObjectName(name);
  choice->setGeometry(place);
  return choice;
}

void showChoice(QRadioButton* choice, int branching, const std::string& names) {
  choice->setText(QString("&%1. forgrening: %2").arg(branching).arg(toQt(names)));
  choice->setAccessibleName(choice->text().remove('&'));
}

}  // namespace

ReverseTreeDialog::ReverseTreeDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "reverseTreeDialog", "   Vend træet", Qt::WindowCloseButtonHint) {
  setFont(dialogFont(13, false));
  setFixedSize(ClientSize);
  setAccessibleName(windowTitle().trimmed());
  QLabel* question = placeLabel(this, "question", 16, 10);
  question->setText("Hvilken forgrening skal stå først?");
  question->adjustSize();
  secondFirst_ = placeChoice(this, "secondFirstChoice", SecondPlace);
  thirdFirst_ = placeChoice(this, "thirdFirstChoice", ThirdPlace);
  secondFirst_->setChecked(true);
  QLabel* note = placeLabel(this, "note", 16, 90);
  note->setText("De andre forgreninger beholder deres rækkefølge.");
  note->adjustSize();
  placeButtons("OK", OkPlace, "&Fortryd", CancelPlace);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{secondFirst_, thirdFirst_, okButton(), cancelButton()})
    askHelpOnF1(widget);
}

std::optional<int> ReverseTreeDialog::choose(const std::vector<std::string>& names) {
  if (names.size() < 3) return std::nullopt;
  showChoice(secondFirst_, 2, names[1]);
  showChoice(thirdFirst_, 3, names[2]);
  (secondFirst_->isChecked() ? secondFirst_ : thirdFirst_)->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return secondFirst_->isChecked() ? 2 : 3;
}

}  // namespace kvistra::ui
