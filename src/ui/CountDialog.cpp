#include "ui/CountDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

constexpr int Margin = 16;
constexpr int LabelTop = 22;
constexpr int FieldGap = 12;
constexpr QSize FieldSize(64, 26);
constexpr int FieldTop = 17;
constexpr int ButtonTop = 66;
constexpr QSize OkSize(77, 27);
constexpr QSize CancelSize(89, 27);
constexpr int ButtonInset = 24;
constexpr int ClientHeight = 108;
// Room for both buttons and a gap between them, however short the label.
constexpr int NarrowestClient = 300;

}  // namespace

CountDialog::CountDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "countDialog", QString(), Qt::WindowCloseButtonHint) {
  setFont(dialogFont(13, false));
  label_ = placeLabel(this, "countLabel", Margin, LabelTop);
  countField_ = new QSpinBox(this);
  countField_->setObjectName("countField");
  label_->setBuddy(countField_);
  placeButtons("OK", QRect(QPoint(), OkSize), "&Fortryd", QRect(QPoint(), CancelSize));
  for (QWidget* widget : std::initializer_list<QWidget*>{countField_, okButton(), cancelButton()})
    askHelpOnF1(widget);
}

void CountDialog::fitTo(int labelWidth) {
  const int fieldLeft = Margin + labelWidth + FieldGap;
  const int width = std::max(NarrowestClient, fieldLeft + FieldSize.width() + Margin);
  countField_->setGeometry(QRect(QPoint(fieldLeft, FieldTop), FieldSize));
  okButton()->move(ButtonInset, ButtonTop);
  cancelButton()->move(width - ButtonInset - CancelSize.width(), ButtonTop);
  setFixedSize(width, ClientHeight);
}

std::optional<int> CountDialog::ask(const CountQuestion& question) {
  setWindowTitle("   " + toQt(question.title));
  setAccessibleName(toQt(question.title));
  label_->setText(toQt(question.label));
  label_->adjustSize();
  countField_->setAccessibleName(label_->text());
  countField_->setRange(question.least, question.most);
  countField_->setValue(question.preset);
  fitTo(label_->width());
  countField_->setFocus();
  countField_->selectAll();
  if (exec() != QDialog::Accepted) return std::nullopt;
  // A number typed and not yet taken, as when OK is clicked straight after typing.
  countField_->interpretText();
  return countField_->value();
}

}  // namespace kvistra::ui
