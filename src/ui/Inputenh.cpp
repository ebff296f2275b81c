#include "ui/Inputenh.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "probabilities/ProbabilityReading.h"
#include "ui/DialogLook.h"
#include "ui/Text.h"

namespace kvistra::ui {

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

TBtnBottomDlg::TBtnBottomDlg(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "BtnBottomDlg", "   Input sandsynlighed",
                     Qt::WindowCloseButtonHint) {
  setFont(dialogFont(16, false));
  setFixedSize(292, 94);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(4, 4, 284, 54);
  Label1 = placeLabel(this, "Label1", 12, 10);
  Label1->setText("Sandsynligheden:");
  Label1->adjustSize();
  Label2 = placeLabel(this, "Label2", 12, 34);
  Label2->setText("(brøker som :  1/6  )");
  Label2->adjustSize();
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setAccessibleName("Sandsynligheden");
  Edit1->setGeometry(198, 8, 81, 24);
  Edit1->setValidator(new ProbabilityValidator(Edit1));
  askHelpOnF1(Edit1);
  OKBtn = placeButton(this, "OKBtn", "OK", QRect(40, 63, 90, 27));
  CancelBtn = placeButton(this, "CancelBtn", "Fortryd", QRect(162, 63, 90, 27));
  OKBtn->setDefault(true);
  CancelBtn->setAutoDefault(false);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &TBtnBottomDlg::CancelBtnClick);
}

ProbabilityReply TBtnBottomDlg::ask() {
  cancelled_ = false;
  exec();
  return {fromQt(Edit1->text()), cancelled_};
}

void TBtnBottomDlg::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(10, 120);
  Edit1->selectAll();
  Edit1->setFocus();
  QDialog::showEvent(event);
}

void TBtnBottomDlg::CancelBtnClick() {
  cancelled_ = true;
  reject();
}

}  // namespace kvistra::ui
