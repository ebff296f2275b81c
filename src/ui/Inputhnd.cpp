#include "ui/Inputhnd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tree/Dialogs.h"
#include "ui/DialogLook.h"
#include "ui/Text.h"

namespace kvistra::ui {

QValidator::State PromptValidator::validate(QString& input, int&) const {
  if (!representable(input)) return Invalid;
  for (char c : fromQt(input))
    if (!isPromptChar(c)) return Invalid;
  return Acceptable;
}

TForm2::TForm2(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "Form2", " ", Qt::WindowCloseButtonHint) {
  setFont(dialogFont(16, false));
  setFixedSize(287, 123);

  Label1 = placeLabel(this, "Label1", 8, 4);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(8, 24, 249, 26);
  Edit1->setValidator(new PromptValidator(Edit1));
  askHelpOnF1(Edit1);
  OKBtn = placeButton(this, "OKBtn", "&OK", QRect(12, 55, 97, 30));
  CancelBtn = placeButton(this, "CancelBtn", "&Fortryd", QRect(160, 55, 97, 30));
  OKBtn->setDefault(true);
  OKBtn->setAutoDefault(true);
  CancelBtn->setAutoDefault(false);
  connect(OKBtn, &QPushButton::clicked, this, &TForm2::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TForm2::CancelBtnClick);
}

PromptReply TForm2::ask(const QString& question, int toolMode) {
  Label1->setText(question);
  Label1->adjustSize();
  Label1->setAccessibleName(question);
  Edit1->setAccessibleName(question);
  toolMode_ = toolMode;
  closedBy_ = PromptClose::CloseBox;
  exec();
  return {fromQt(Edit1->text()), closedBy_};
}

void TForm2::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(5, 130);
  Edit1->clear();
  Edit1->setFocus();
  QDialog::showEvent(event);
}

void TForm2::OKBtnClick() {
  Edit1->setText(toQt(cutPromptAnswer(fromQt(Edit1->text()), toolMode_)));
  closedBy_ = PromptClose::Ok;
  accept();
}

void TForm2::CancelBtnClick() {
  closedBy_ = PromptClose::Cancel;
  reject();
}

}  // namespace kvistra::ui
