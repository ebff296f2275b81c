#include "ui/YesNoDialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/DialogLook.h"

namespace kvistra::ui {

YesNoDialog::YesNoDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "yesNoDialog", " ", Qt::WindowSystemMenuHint) {
  setFont(dialogFont(13, true));
  setFixedSize(317, 81);
  firstLine_ = placeLabel(this, "firstLine", 0, 8);
  secondLine_ = placeLabel(this, "secondLine", 0, 32);
  placeButtons("&Ja", QRect(24, 52, 77, 27), "&Nej", QRect(196, 52, 77, 27));
  askHelpOnF1(okButton());
}

bool YesNoDialog::ask(const QString& line1, const QString& line2, YesNoWidth width) {
  firstLine_->setText(line1);
  secondLine_->setText(line2);
  firstLine_->adjustSize();
  secondLine_->adjustSize();
  setAccessibleName(line1);
  if (width) setFixedWidth(*width);
  return exec() == QDialog::Accepted;
}

void YesNoDialog::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(10, 120);
  okButton()->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
