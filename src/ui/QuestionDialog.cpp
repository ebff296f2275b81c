#include "ui/QuestionDialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/DialogLook.h"

namespace kvistra::ui {

QuestionDialog::QuestionDialog(QWidget* mainWindow, const char* name, const QString& caption,
                               Qt::WindowType frameButton)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | frameButton |
                              Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
  setObjectName(name);
  setWindowTitle(caption);
}

void QuestionDialog::placeButtons(const QString& okCaption, QRect okPlace,
                                  const QString& cancelCaption, QRect cancelPlace) {
  okButton_ = placeButton(this, "okButton", okCaption, okPlace);
  cancelButton_ = placeButton(this, "cancelButton", cancelCaption, cancelPlace);
  okButton_->setDefault(true);
  okButton_->setAutoDefault(true);
  cancelButton_->setAutoDefault(false);
  connect(okButton_, &QPushButton::clicked, this, [this] { okPressed(); });
  connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelPressed(); });
}

void QuestionDialog::askHelpOnF1(QWidget* widget) {
  onF1Released(widget, [this] { emit helpRequested(); });
}

void QuestionDialog::placeAboveFootOfMainWindow(int left, int distance) {
  move(left, mainWindow_->height() - distance);
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cancelPressed();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kvistra::ui
