#include "ui/Ja_nej.h"

#include <QLabel>
#include <QPushButton>

#include "tree/Host.h"
#include "ui/DialogLook.h"

namespace kvistra::ui {

TJN_box::TJN_box(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "JN_box", " ", Qt::WindowSystemMenuHint) {
  setFont(dialogFont(13, true));
  setFixedSize(317, 81);
  Label1 = placeLabel(this, "Label1", 0, 8);
  Label2 = placeLabel(this, "Label2", 0, 32);
  OKBtn = placeButton(this, "OKBtn", "&Ja", QRect(24, 52, 77, 27));
  CancelBtn = placeButton(this, "CancelBtn", "&Nej", QRect(196, 52, 77, 27));
  OKBtn->setDefault(true);
  askHelpOnF1(OKBtn);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TJN_box::ask(const QString& line1, const QString& line2, int width) {
  Label1->setText(line1);
  Label2->setText(line2);
  Label1->adjustSize();
  Label2->adjustSize();
  setAccessibleName(line1);
  if (width != KeepWidth) setFixedWidth(width);
  return exec() == QDialog::Accepted;
}

void TJN_box::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(10, 120);
  OKBtn->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
