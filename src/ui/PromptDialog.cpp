#include "ui/PromptDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "host/Questions.h"
#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

PromptValidator::PromptValidator(QObject* parent, std::function<void(QChar)> refused)
    : QValidator(parent), refused_(std::move(refused)) {}

QValidator::State PromptValidator::validate(QString& input, int&) const {
  for (const QChar c : input) {
    const QString one(c);
    if (!representable(one) || !isPromptChar(fromQt(one).front())) {
      refused_(c);
      return Invalid;
    }
  }
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
  answerField_->setValidator(
      new PromptValidator(answerField_, [this](QChar refused) { showRefusedHint(refused); }));
  askHelpOnF1(answerField_);
  placeButtons("&OK", QRect(12, 55, 97, 30), "&Fortryd", QRect(160, 55, 97, 30));
  // In the strip below the buttons, in a smaller font, so that the longest hint fits the width.
  refusedHint_ = placeLabel(this, "refusedHint", 8, 92);
  refusedHint_->setFont(dialogFont(13, false));
  refusedHint_->hide();
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

void PromptDialog::showRefusedHint(QChar refused) {
  // A character Windows-1252 lacks is shown as "?", as the program shows it elsewhere.
  const std::string bytes = fromQt(QString(refused));
  const QString hint = toQt(refusedCharHint(bytes.empty() ? '?' : bytes.front()));
  refusedHint_->setText(hint);
  refusedHint_->setAccessibleName(hint);
  refusedHint_->adjustSize();
  refusedHint_->show();
}

void PromptDialog::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(5, 130);
  refusedHint_->hide();
  refusedHint_->clear();
  refusedHint_->setAccessibleName(QString());
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
