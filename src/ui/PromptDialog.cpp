#include "ui/PromptDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "host/Questions.h"
#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

QValidator::State PromptValidator::validate(QString& input, int&) const {
  if (!representable(input)) return Invalid;
  for (char c : fromQt(input))
    if (!isPromptChar(c)) return Invalid;
  return Acceptable;
}

PromptDialog::PromptDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "promptDialog", " ", Qt::WindowCloseButtonHint) {
  setFont(dialogFont(16, false));
  setFixedSize(287, 123);

  question_ = placeLabel(this, "question", 8, 4);
  answerField_ = new QLineEdit(this);
  answerField_->setObjectName("answerField");
  answerField_->setAccessibleName("Svar");  // the question asked, once there is one
  answerField_->setGeometry(8, 24, 249, 26);
  answerField_->setValidator(new PromptValidator(answerField_));
  askHelpOnF1(answerField_);
  placeButtons("&OK", QRect(12, 55, 97, 30), "&Fortryd", QRect(160, 55, 97, 30));
}

PromptReply PromptDialog::ask(const QString& question, ToolMode toolMode) {
  question_->setText(question);
  question_->adjustSize();
  question_->setAccessibleName(question);
  answerField_->setAccessibleName(question);
  toolMode_ = toolMode;
  closedBy_ = PromptClose::CloseBox;
  exec();
  return {fromQt(answerField_->text()), closedBy_};
}

void PromptDialog::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(5, 130);
  answerField_->clear();
  answerField_->setFocus();
  QDialog::showEvent(event);
}

void PromptDialog::okPressed() {
  answerField_->setText(toQt(cutPromptAnswer(fromQt(answerField_->text()), toolMode_)));
  closedBy_ = PromptClose::Ok;
  accept();
}

void PromptDialog::cancelPressed() {
  closedBy_ = PromptClose::Cancel;
  reject();
}

}  // namespace kvistra::ui
