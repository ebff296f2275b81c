#include "ui/PrintHeadingDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

constexpr QSize ClientSize(389, 119);
constexpr QRect FieldPlace(48, 40, 297, 22);
constexpr QRect OkPlace(56, 88, 65, 25);
constexpr QRect CancelPlace(264, 88, 89, 25);
const QString Question = " Navn eller overskrift til udskrifter: ";

// The heading is printed from the program's own text, so only what that text can hold is taken.
class RepresentableValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return representable(input) ? Acceptable : Invalid;
  }
};

}  // namespace

PrintHeadingDialog::PrintHeadingDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "printHeadingDialog", "   Overskrift", Qt::WindowCloseButtonHint) {
  setFont(dialogFont(13, false));
  setFixedSize(ClientSize);
  QLabel* question = placeLabel(this, "question", 24, 16);
  question->setText(Question);
  question->adjustSize();
  headingField_ = new QLineEdit(this);
  headingField_->setObjectName("headingField");
  headingField_->setAccessibleName(Question.trimmed());
  headingField_->setGeometry(FieldPlace);
  headingField_->setValidator(new RepresentableValidator(headingField_));
  headingField_->installEventFilter(this);
  askHelpOnF1(headingField_);
  placeButtons("OK", OkPlace, "&Fortryd", CancelPlace);
  askHelpOnF1(okButton());
  askHelpOnF1(cancelButton());
}

PrintHeadingReply PrintHeadingDialog::ask() {
  closedBy_ = PromptClose::CloseBox;
  exec();
  return {fromQt(headingField_->text()), fromQt(savedText_), closedBy_};
}

void PrintHeadingDialog::showEvent(QShowEvent* event) {
  savedText_ = headingField_->text();
  // Selected, so a new heading is typed straight over the old one.
  headingField_->selectAll();
  headingField_->setFocus();
  QDialog::showEvent(event);
}

bool PrintHeadingDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the field only moves on to "OK", so a second Enter confirms.
  if (watched == headingField_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      okButton()->setFocus();
      return true;
    }
  }
  return QuestionDialog::eventFilter(watched, event);
}

void PrintHeadingDialog::okPressed() {
  closedBy_ = PromptClose::Ok;
  accept();
}

void PrintHeadingDialog::cancelPressed() {
  closedBy_ = PromptClose::Cancel;
  reject();
}

}  // namespace kvistra::ui
