#include "ui/QuestionDialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/DialogLook.h"
#include "ui/DialogPlacement.h"

namespace kvistra::ui {

namespace {

constexpr int NoteGap = 8;

// The reduction note tells what a conditional result is conditional on, and it is exactly
// such a result that these dialogs ask for and show: one that would cover the note goes right
// of the side pane, at the same height, or above the note when the screen has no room there.
QPoint clearOfReductionNote(const QRect& place, const QWidget& mainWindow) {
  const QRect noteArea = reductionNoteArea(mainWindow);
  if (noteArea.isEmpty()) return place.topLeft();
  const auto* note = mainWindow.findChild<QWidget*>("reductionNote");
  // Both lie at the foot of the window, so being beside the note is what counts.
  if (place.left() > noteArea.right() || place.right() < noteArea.left()) return place.topLeft();
  const QWidget* sidePane = note->parentWidget();
  QRect right = place;
  right.moveLeft(sidePane->mapToGlobal(QPoint(sidePane->width(), 0)).x() + NoteGap);
  if (right.right() <= mainWindow.screen()->availableGeometry().right()) return right.topLeft();
  QRect above = place;
  above.moveBottom(noteArea.top() - NoteGap);
  return above.topLeft();
}

}  // namespace

QuestionDialog::QuestionDialog(QWidget* mainWindow, const char* name, const QString& caption,
                               Qt::WindowType frameButton)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | frameButton |
                              Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
  setObjectName(name);
  setWindowTitle(caption);
  pressFocusedButtonOnEnter(this);
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
  const QRect place(QPoint(left, mainWindow_->height() - distance), frameSizeOf(*this));
  if (!placeClearOfShownEvent(*this, place, *mainWindow_))
    move(clearOfReductionNote(place, *mainWindow_));
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cancelPressed();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kvistra::ui
