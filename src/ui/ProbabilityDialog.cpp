#include "ui/ProbabilityDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "probabilities/ProbabilityReading.h"
#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {
constexpr int BranchLineHeight = 22;
}  // namespace

QValidator::State ProbabilityValidator::validate(QString& input, int&) const {
  if (!representable(input)) return Invalid;
  std::string filtered;
  for (char typed : fromQt(input)) {
    const std::optional<char> key = probabilityKey(typed);
    if (!key) return Invalid;
    filtered += *key;
  }
  input = toQt(filtered);
  return Acceptable;
}

ProbabilityDialog::ProbabilityDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "probabilityDialog", "   Input sandsynlighed",
                     Qt::WindowCloseButtonHint) {
  setFont(dialogFont(16, false));
  // A line above the field names the branch asked for; everything else keeps its place below it.
  constexpr int top = BranchLineHeight;
  setFixedSize(292, 94 + top);

  branchLabel_ = placeLabel(this, "branchLabel", 12, 4);
  auto* frame = new QFrame(this);
  frame->setObjectName("fieldFrame");
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(4, 4 + top, 284, 54);
  QLabel* caption = placeLabel(this, "fieldCaption", 12, 10 + top);
  caption->setText("Sandsynligheden:");
  caption->adjustSize();
  QLabel* fractionHint = placeLabel(this, "fractionHint", 12, 34 + top);
  fractionHint->setText("(brøker som :  1/6  )");
  fractionHint->adjustSize();
  probabilityField_ = new QLineEdit(this);
  probabilityField_->setObjectName("probabilityField");
  probabilityField_->setAccessibleName("Sandsynligheden");
  probabilityField_->setAccessibleDescription(fractionHint->text());
  probabilityField_->setGeometry(198, 8 + top, 81, 24);
  probabilityField_->setValidator(new ProbabilityValidator(probabilityField_));
  askHelpOnF1(probabilityField_);
  placeButtons("OK", QRect(40, 63 + top, 90, 27), "Fortryd", QRect(162, 63 + top, 90, 27));
}

ProbabilityReply ProbabilityDialog::ask(const QString& branchLabel) {
  branchLabel_->setText(branchLabel);
  branchLabel_->setAccessibleName(branchLabel);
  // A screen reader names the field as it takes the focus: it says which branch is asked for.
  probabilityField_->setAccessibleName("Sandsynligheden for " + branchLabel);
  branchLabel_->adjustSize();
  cancelled_ = false;
  exec();
  // The close box reads the field like "OK": only "Fortryd" and Esc cancel.
  return {fromQt(probabilityField_->text()), cancelled_};
}

void ProbabilityDialog::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(10, 120);
  probabilityField_->selectAll();
  probabilityField_->setFocus();
  QDialog::showEvent(event);
}

void ProbabilityDialog::cancelPressed() {
  cancelled_ = true;
  reject();
}

}  // namespace kvistra::ui
