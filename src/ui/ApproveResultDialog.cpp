#include "ui/ApproveResultDialog.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include "ui/DialogLook.h"
#include "ui/ToolbarIcons.h"

namespace kvistra::ui {

namespace {

constexpr int BoxHeight = 107;
constexpr int NarrowestWidth = 300;
constexpr QRect ButtonFrame(120, 28, 169, 41);
constexpr int ButtonTop = 32;
constexpr int ButtonSize = 33;
constexpr int PictureSize = 24;

}  // namespace

ApproveResultDialog::ApproveResultDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "approveResultDialog", " ", Qt::WindowSystemMenuHint) {
  setWindowFlag(Qt::WindowCloseButtonHint);
  setFont(dialogFont(13, true));
  setFixedSize(NarrowestWidth, BoxHeight);
  resultLine_ = placeLabel(this, "resultLine", 8, 6);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("buttonFrame");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(ButtonFrame);
  approveButton_ = pictureButton("approveButton", "Godkend og luk", "approve", 128);
  printButton_ = pictureButton("printButton", "Udskriv", "print", 168);
  copyButton_ = pictureButton("copyButton", "Kopier træet til Klippebordet", "copy-menu", 208);
  dropButton_ = pictureButton("dropButton", "Fortryd denne hændelse", "drop", 248);

  connect(approveButton_, &QToolButton::clicked, this, &QDialog::accept);
  connect(dropButton_, &QToolButton::clicked, this, &QDialog::reject);
  connect(printButton_, &QToolButton::clicked, this, [this] {
    if (actions_.print) actions_.print();
  });
  connect(copyButton_, &QToolButton::clicked, this, [this] {
    if (actions_.copyTree) actions_.copyTree();
  });
  askHelpOnF1(this);
}

QToolButton* ApproveResultDialog::pictureButton(const char* name, const QString& hint,
                                                const QString& picture, int x) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setGeometry(x, ButtonTop, ButtonSize, ButtonSize);
  button->setIcon(toolbarIcon(picture));
  button->setIconSize(QSize(PictureSize, PictureSize));
  button->setAutoRaise(true);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  return button;
}

ApproveChoice ApproveResultDialog::ask(const QString& resultLine, int width,
                                       const ApproveBoxActions& actions) {
  actions_ = actions;
  resultLine_->setText(resultLine);
  resultLine_->adjustSize();
  setAccessibleName(resultLine);
  printButton_->setEnabled(static_cast<bool>(actions.print));
  copyButton_->setEnabled(static_cast<bool>(actions.copyTree));
  setFixedWidth(width);
  const bool approved = exec() == QDialog::Accepted;
  actions_ = {};
  return approved ? ApproveChoice::Approve : ApproveChoice::Drop;
}

void ApproveResultDialog::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(10, 120);
  approveButton_->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
