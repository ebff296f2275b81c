#include "ui/ResultLineDialog.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/DialogLook.h"

namespace kvistra::ui {

namespace {

constexpr QSize ViewerSize(435, 112);
constexpr int TopPanelHeight = 30;
constexpr int FontPixels = 13;

}  // namespace

ResultLineDialog::ResultLineDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "resultLineDialog", "   Vis skemalinie",
                     Qt::WindowSystemMenuHint) {
  setWindowFlag(Qt::WindowCloseButtonHint);
  QFont look = font();
  look.setPixelSize(FontPixels);
  setFont(look);
  setFixedSize(ViewerSize);

  auto* panel = new QFrame(this);
  panel->setObjectName("buttonPanel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(0, 0, ViewerSize.width(), TopPanelHeight);
  closeButton_ = placeButton(panel, "okButton", "&OK", QRect(28, 2, 53, 23));
  closeButton_->setDefault(true);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
  askHelpOnF1(closeButton_);

  line_ = new QPlainTextEdit(this);
  line_->setObjectName("resultLine");
  line_->setAccessibleName("Skemalinie");
  line_->setReadOnly(true);
  line_->setFocusPolicy(Qt::ClickFocus);
  line_->setLineWrapMode(QPlainTextEdit::NoWrap);
  line_->setGeometry(0, TopPanelHeight, ViewerSize.width(), ViewerSize.height() - TopPanelHeight);
}

void ResultLineDialog::showLine(const QString& line) {
  line_->setPlainText(line);
  setAccessibleName(line);
  exec();
}

void ResultLineDialog::showEvent(QShowEvent* event) {
  closeButton_->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
